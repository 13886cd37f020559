// The preset waveform buttons, the shape controls and the plot routines of the main window.
#include "shell/unit1.h"
#include "synthesis/control_start.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "editor/graph_xy.h"
#include "shell/error_reporter.h"
#include "synthesis/waveform_synthesis.h"
#include "widgets/centring.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"

using dds::WaveformKind;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kSkyBlue(166, 202, 240);

bool IsKnownKind(int32_t kind) { return kind >= dds::kFirstKind && kind <= dds::kLastKind; }

void ShowPercent(QLabel* label, int position)
{
    dds::SetCentredText(*label, QString::number(position) + QLatin1Char('%'), *label->parentWidget());
}

} // namespace

using L = MainWindowLayout;
const std::array<TForm1::PresetButton, 12> TForm1::kPresetButtons{{
    {WaveformKind::Sine, &L::DoubleSpeed8, &TForm1::DoubleSpeed8Click, false, true, false},
    {WaveformKind::Rectangle, &L::DoubleSpeed9, &TForm1::DoubleSpeed9Click, true, true, false},
    {WaveformKind::Triangle, &L::DoubleSpeed10, &TForm1::DoubleSpeed10Click, true, true, false},
    {WaveformKind::FallingRamp, &L::DoubleSpeed11, &TForm1::DoubleSpeed11Click, false, true, false},
    {WaveformKind::RisingRamp, &L::DoubleSpeed12, &TForm1::DoubleSpeed12Click, false, true, false},
    {WaveformKind::CapacitorChargeDischarge, &L::DoubleSpeed13, &TForm1::DoubleSpeed13Click, true, true, false},
    {WaveformKind::CapacitorCharge, &L::DoubleSpeed14, &TForm1::DoubleSpeed14Click, true, true, false},
    {WaveformKind::CapacitorDischarge, &L::DoubleSpeed15, &TForm1::DoubleSpeed15Click, true, true, false},
    {WaveformKind::AmplitudeModulation, &L::DoubleSpeed16, &TForm1::DoubleSpeed16Click, false, true, true},
    {WaveformKind::DC, &L::DoubleSpeed17, &TForm1::DoubleSpeed17Click, false, false, false},
    {WaveformKind::FrequencyModulation, &L::DoubleSpeed19, &TForm1::DoubleSpeed19Click, false, true, true},
    {WaveformKind::WhiteNoise, &L::DoubleSpeed20, &TForm1::DoubleSpeed20Click, false, false, false},
}};

const TForm1::PresetButton& TForm1::PresetFor(WaveformKind kind)
{
    return kPresetButtons.at(static_cast<std::size_t>(kind) - 1);
}

// ---- Connections and start-up steps ----------------------------------------------------------

void TForm1::ConnectWaveformControls()
{
    for (const PresetButton& preset : kPresetButtons)
        errorReporter.ConnectGuarded(ui.*preset.button, &TDoubleSpeed::OnClick, this, preset.handler);
    errorReporter.ConnectGuarded(ui.JvDialButton1, &TJvDialButton::OnChange, this, &TForm1::JvDialButton1Change);
    errorReporter.ConnectGuarded(ui.JvDialButton2, &TJvDialButton::OnChange, this, &TForm1::JvDialButton2Change);
    errorReporter.ConnectGuarded(ui.RxSlider2, &TRxSlider::OnChange, this, &TForm1::RxSlider2Change);
    errorReporter.ConnectGuarded(ui.SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    errorReporter.ConnectGuarded(ui.RxSpinEdit1, &TRxSpinEdit::OnChange, this, &TForm1::RxSpinEdit1Change);
    errorReporter.ConnectGuarded(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
}

void TForm1::SetFirstSampleIndex() { state.waveformTable.firstIndex = dds::WaveformTable::kFirstIndex; }

void TForm1::SetStartWaveformKind() { state.waveformKind = static_cast<int32_t>(dds::kStartKind); }

void TForm1::SetAmplitudeDialStart()
{
    ui.JvDialButton1->setPosition(dds::kStartAmplitude);
}

void TForm1::SetShapeDialStart()
{
    ui.JvDialButton2->setMin(dds::kShapeMinimum);
    ui.JvDialButton2->setMax(dds::kShapeMaximum);
    ui.JvDialButton2->setPosition(dds::kStartShape);
}

void TForm1::SetUpPlotFrame()
{
    ui.GraphXY1->SetEchelle(false);
    ui.GraphXY1->SetMargeHaute(5);
    ui.GraphXY1->SetMargeBasse(5);
    ui.GraphXY1->SetMargeGauche(5);
    ui.GraphXY1->SetMargeDroite(5);
}

void TForm1::SelectStartWaveform() { DoubleSpeed8Click(); }

void TForm1::DrawReferenceTrace() { DrawCentreLine(); }

void TForm1::SetVerticalPositionStart()
{
    ui.RxSlider2->setMinValue(dds::kVerticalMinimum);
    ui.RxSlider2->setMaxValue(dds::kVerticalMaximum);
    ui.RxSlider2->setIncrement(1);
    ui.RxSlider2->setValue(dds::kStartVertical);
}

void TForm1::SetCoefficientStart()
{
    ui.Panel13->hide();
    ui.RxSpinEdit1->setValue(dds::kStartCoefficient);
}

// ---- Computation and plot ------------------------------------------------------------------

void TForm1::ComputeWaveform()
{
    Timer4->stop();
    if (!IsKnownKind(state.waveformKind))
        return;
    const auto kind = static_cast<WaveformKind>(state.waveformKind);
    if (kind == WaveformKind::DC) {
        if (ui.RxSlider2->Value() == 0) {
            ui.GraphXY1->ClearTrace(1);
            ui.GraphXY1->Repaint();
        } else {
            DrawCentreLine();
        }
    }
    if (kind == WaveformKind::WhiteNoise) {
        state.noiseGenerator.seedFromClock();
        Timer4->start();
        return;
    }
    dds::WaveformParams params;
    params.amplitude = ui.JvDialButton1->Position();
    params.shape = ui.JvDialButton2->Position();
    params.vertical = ui.RxSlider2->Value();
    // The coefficient handler lifts a value below 1 before any computation; this keeps an
    // unhandled 0 from dividing by zero.
    params.coefficient = std::max(ui.RxSpinEdit1->Value(), 1);
    params.phaseNumerator = state.phaseNumerator;
    params.phaseDenominator = state.phaseDenominator;
    dds::ComputeWaveform(state.waveformTable, kind, params);
}

void TForm1::ResetWaveform()
{
    state.waveformTable.firstIndex = dds::WaveformTable::kFirstIndex;
    state.phaseNumerator = dds::kPhaseNumerator;
    state.phaseDenominator = dds::kPhaseDenominator;
    state.waveformTable.length = dds::WaveformTable::kLength;
    ComputeWaveform();
    SetUpPlotTraces();
    DrawWaveform();
}

void TForm1::SetUpPlotTraces()
{
    ui.GraphXY1->SetXMin(0);
    ui.GraphXY1->SetYMin(0);
    ui.GraphXY1->SetEchX(state.waveformTable.length);
    ui.GraphXY1->SetEchY(256);
    ui.GraphXY1->SetNbXDiv(1);
    ui.GraphXY1->SetNbYDiv(1);
    ui.GraphXY1->SetNbTrace(4);
    const std::array<QColor, 4> colours{kYellow, kWhite, kSkyBlue, kSkyBlue};
    for (int trace = 0; trace < 4; ++trace) {
        ui.GraphXY1->SetIndice(trace);
        ui.GraphXY1->SetColor(colours[static_cast<std::size_t>(trace)]);
    }
}

void TForm1::DrawWaveform()
{
    ui.GraphXY1->ClearTrace(0);
    for (int32_t n = state.waveformTable.firstIndex; n <= state.waveformTable.length; ++n)
        ui.GraphXY1->AddPoint(0, n, state.waveformTable[n]);
    ui.GraphXY1->Repaint();
    PlayedInputsChanged();
    ClearStaleImportStatus();
}

void TForm1::DrawCentreLine()
{
    ui.GraphXY1->ClearTrace(1);
    ui.GraphXY1->AddPointDrawn(1, 1, 128);
    ui.GraphXY1->AddPoint(1, dds::WaveformTable::kLength, 128);
    ui.GraphXY1->Repaint();
}

// ---- Preset buttons --------------------------------------------------------------------------

void TForm1::SelectPreset(WaveformKind kind)
{
    const PresetButton& preset = PresetFor(kind);
    (ui.*preset.button)->setDown(true);
    ui.Panel2->setVisible(preset.shapeKnob);
    ui.Panel5->setVisible(preset.amplitudeKnob);
    ui.Panel13->setVisible(preset.coefficient);
    if (preset.coefficient)
        ui.RxSpinEdit1->setValue(dds::StartCoefficientFor(kind)); // its handler runs now, under the old kind
    state.waveformKind = static_cast<int32_t>(kind);
    ResetWaveform();
    const bool noise = kind == WaveformKind::WhiteNoise;
    ui.Panel4->setVisible(!noise);
    ui.DoubleSpeed18->setEnabled(!noise);
    // The flat DC line at 128 would vanish under the centre line.
    if (kind == WaveformKind::DC && ui.RxSlider2->Value() == 0) {
        ui.GraphXY1->ClearTrace(1);
        ui.GraphXY1->Repaint();
    } else {
        DrawCentreLine();
    }
    ui.ToolButton4->setEnabled(!noise);
    if (kind == WaveformKind::Sine)
        ui.SpeedButton9->setEnabled(false);
    ApplyLanguageTexts();
    ui.JvDialButton2->setPosition(dds::kStartShape);
}

void TForm1::DoubleSpeed8Click() { SelectPreset(WaveformKind::Sine); }
void TForm1::DoubleSpeed9Click() { SelectPreset(WaveformKind::Rectangle); }
void TForm1::DoubleSpeed10Click() { SelectPreset(WaveformKind::Triangle); }
void TForm1::DoubleSpeed11Click() { SelectPreset(WaveformKind::FallingRamp); }
void TForm1::DoubleSpeed12Click() { SelectPreset(WaveformKind::RisingRamp); }
void TForm1::DoubleSpeed13Click() { SelectPreset(WaveformKind::CapacitorChargeDischarge); }
void TForm1::DoubleSpeed14Click() { SelectPreset(WaveformKind::CapacitorCharge); }
void TForm1::DoubleSpeed15Click() { SelectPreset(WaveformKind::CapacitorDischarge); }
void TForm1::DoubleSpeed16Click() { SelectPreset(WaveformKind::AmplitudeModulation); }
void TForm1::DoubleSpeed17Click() { SelectPreset(WaveformKind::DC); }
void TForm1::DoubleSpeed19Click() { SelectPreset(WaveformKind::FrequencyModulation); }
void TForm1::DoubleSpeed20Click() { SelectPreset(WaveformKind::WhiteNoise); }

// ---- Shape controls --------------------------------------------------------------------------

void TForm1::JvDialButton1Change()
{
    ShowPercent(ui.Label19, ui.JvDialButton1->Position());
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::JvDialButton2Change()
{
    ShowPercent(ui.Label20, ui.JvDialButton2->Position());
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::RxSlider2Change()
{
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::SpeedButton8Click()
{
    ui.RxSlider2->setValue(0);
}

void TForm1::RxSpinEdit1Change()
{
    if (ui.RxSpinEdit1->Value() < 1)
        ui.RxSpinEdit1->setValue(1);
    ResetWaveform();
}

void TForm1::Timer4Timer()
{
    // The animation's ticks are not undo steps; a change still open before one is.
    CloseEditStep();
    state.noiseGenerator.tick(state.waveformTable);
    state.editHistory.rebase(CurrentSnapshot());
    DrawWaveform();
}
