// Undo and redo of the table: every change the operator makes is one step, and a step gives back
// the table and the waveform kind together.
#include <QGroupBox>
#include <QKeySequence>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "editor/graph_xy.h"
#include "shell/error_reporter.h"
#include "shell/release_watch.h"
#include "shell/unit1.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"

void TForm1::SetUpAdditions()
{
    editHistory.reset(CurrentSnapshot());
    ConnectEditSteps();
    CreatePlayedButton();
}

void TForm1::ConnectEditSteps()
{
    // Connected after the controls' own handlers, so each step closes once its handler has run.
    for (TDoubleSpeed* preset : presetButtons())
        errorReporter.ConnectGuarded(preset, &TDoubleSpeed::OnClick, this, &TForm1::CloseEditStep);
    for (QToolButton* button : {SpeedButton9, SpeedButton8, ToolButton2})
        errorReporter.ConnectGuarded(button, &QToolButton::clicked, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(GraphXY1, &TGraphXY::MouseUp, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(RxSlider2, &TRxSlider::OnChanged, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(RxSpinEdit1, &TRxSpinEdit::OnChange, this, &TForm1::CloseEditStep);
    for (TJvDialButton* dial : {JvDialButton1, JvDialButton2})
        new dds::ReleaseWatch(dial, errorReporter.Guarded([this] { CloseEditStep(); }));

    errorReporter.ConnectGuarded(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
                                 &TForm1::UndoChange);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        errorReporter.ConnectGuarded(new QShortcut(keys, this), &QShortcut::activated, this, &TForm1::RedoChange);
}

dds::EditSnapshot TForm1::CurrentSnapshot() const
{
    return {state.waveformTable, state.waveformKind, Timer4->isActive()};
}

void TForm1::CloseEditStep() { editHistory.commit(CurrentSnapshot()); }

// A transfer (and the start-up picture) locks the toolbar and the waveform group: the table must
// not change under it.
bool TForm1::AcceptsEdits() const { return ToolBar1->isEnabled() && GroupBox5->isEnabled(); }

void TForm1::UndoChange()
{
    if (!AcceptsEdits())
        return;
    if (const std::optional<dds::EditSnapshot> before = editHistory.undo(CurrentSnapshot()))
        RestoreSnapshot(*before);
}

void TForm1::RedoChange()
{
    if (!AcceptsEdits())
        return;
    if (const std::optional<dds::EditSnapshot> after = editHistory.redo(CurrentSnapshot()))
        RestoreSnapshot(*after);
}

// The window then shows the table as after opening a file: no preset claims the curve. White
// noise that was animating starts again as its button starts it.
void TForm1::RestoreSnapshot(const dds::EditSnapshot& snapshot)
{
    Timer4->stop();
    state.waveformTable = snapshot.table;
    state.waveformKind = snapshot.kind;
    const bool noise = state.waveformKind == static_cast<int32_t>(dds::WaveformKind::WhiteNoise);
    ToolButton4->setEnabled(!noise);
    DoubleSpeed18->setEnabled(!noise || DoubleSpeed18->Down());
    ApplyLanguageTexts();
    // As a preset does: the flat DC line at 128 would vanish under the centre line.
    if (noise || state.waveformKind != static_cast<int32_t>(dds::WaveformKind::DC) || RxSlider2->Value() != 0) {
        DrawCentreLine();
    } else {
        GraphXY1->ClearTrace(1);
    }
    ShowLoadedTable();
    if (snapshot.noiseRunning)
        ComputeWaveform();
}
