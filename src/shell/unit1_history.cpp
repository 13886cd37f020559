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
    state.editHistory.reset(CurrentSnapshot());
    ConnectEditSteps();
    CreatePlayedButton();
}

void TForm1::ConnectEditSteps()
{
    // Connected after the controls' own handlers, so each step closes once its handler has run.
    for (const PresetButton& preset : kPresetButtons)
        errorReporter.ConnectGuarded(ui.*preset.button, &TDoubleSpeed::OnClick, this, &TForm1::CloseEditStep);
    for (QToolButton* button : {ui.SpeedButton9, ui.SpeedButton8, ui.ToolButton2})
        errorReporter.ConnectGuarded(button, &QToolButton::clicked, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(ui.GraphXY1, &TGraphXY::MouseUp, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(ui.RxSlider2, &TRxSlider::OnChanged, this, &TForm1::CloseEditStep);
    errorReporter.ConnectGuarded(ui.RxSpinEdit1, &TRxSpinEdit::OnChange, this, &TForm1::CloseEditStep);
    for (TJvDialButton* dial : {ui.JvDialButton1, ui.JvDialButton2})
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

void TForm1::CloseEditStep()
{
    state.editHistory.commit(CurrentSnapshot());
}

// A transfer (and the start-up picture) locks the toolbar and the waveform group: the table must
// not change under it.
bool TForm1::AcceptsEdits() const
{
    return ui.ToolBar1->isEnabled() && ui.GroupBox5->isEnabled();
}

void TForm1::UndoChange()
{
    if (!AcceptsEdits())
        return;
    if (const std::optional<dds::EditSnapshot> before = state.editHistory.undo(CurrentSnapshot()))
        RestoreSnapshot(*before);
}

void TForm1::RedoChange()
{
    if (!AcceptsEdits())
        return;
    if (const std::optional<dds::EditSnapshot> after = state.editHistory.redo(CurrentSnapshot()))
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
    ui.ToolButton4->setEnabled(!noise);
    ui.DoubleSpeed18->setEnabled(!noise || ui.DoubleSpeed18->Down());
    ApplyLanguageTexts();
    // As a preset does: the flat DC line at 128 would vanish under the centre line.
    if (noise || state.waveformKind != static_cast<int32_t>(dds::WaveformKind::DC) || ui.RxSlider2->Value() != 0) {
        DrawCentreLine();
    } else {
        ui.GraphXY1->ClearTrace(1);
    }
    ShowLoadedTable();
    if (snapshot.noiseRunning)
        ComputeWaveform();
}
