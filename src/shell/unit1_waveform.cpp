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

constexpr int32_t kPhaseNumerator = 3200;
constexpr int32_t kPhaseDenominator = 3199;
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kSkyBlue(166, 202, 240);

// Each preset button with its handler, which of the three parameter panels it shows, and the
// coefficient it sets (0: none).
struct PresetButton {
    WaveformKind kind;
    TDoubleSpeed* MainWindowLayout::*button;
    void (TForm1::*handler)();
    bool shapeKnob;
    bool amplitudeKnob;
    bool coefficient;
    int coefficientValue;
};

using L = MainWindowLayout;
constexpr std::array<PresetButton, 12> kPresetButtons{{
    {WaveformKind::Sine, &L::DoubleSpeed8, &TForm1::DoubleSpeed8Click, false, true, false, 0},
    {WaveformKind::Rectangle, &L::DoubleSpeed9, &TForm1::DoubleSpeed9Click, true, true, false, 0},
    {WaveformKind::Triangle, &L::DoubleSpeed10, &TForm1::DoubleSpeed10Click, true, true, false, 0},
    {WaveformKind::FallingRamp, &L::DoubleSpeed11, &TForm1::DoubleSpeed11Click, false, true, false, 0},
    {WaveformKind::RisingRamp, &L::DoubleSpeed12, &TForm1::DoubleSpeed12Click, false, true, false, 0},
    {WaveformKind::CapacitorChargeDischarge, &L::DoubleSpeed13, &TForm1::DoubleSpeed13Click, true, true, false, 0},
    {WaveformKind::CapacitorCharge, &L::DoubleSpeed14, &TForm1::DoubleSpeed14Click, true, true, false, 0},
    {WaveformKind::CapacitorDischarge, &L::DoubleSpeed15, &TForm1::DoubleSpeed15Click, true, true, false, 0},
    {WaveformKind::AmplitudeModulation, &L::DoubleSpeed16, &TForm1::DoubleSpeed16Click, false, true, true,
     dds::kAmplitudeModulationCoefficient},
    {WaveformKind::DC, &L::DoubleSpeed17, &TForm1::DoubleSpeed17Click, false, false, false, 0},
    {WaveformKind::FrequencyModulation, &L::DoubleSpeed19, &TForm1::DoubleSpeed19Click, false, true, true,
     dds::kFrequencyModulationCoefficient},
    {WaveformKind::WhiteNoise, &L::DoubleSpeed20, &TForm1::DoubleSpeed20Click, false, false, false, 0},
}};

const PresetButton& PresetFor(WaveformKind kind) { return kPresetButtons[static_cast<std::size_t>(kind) - 1]; }

bool IsKnownKind(int32_t kind) { return kind >= dds::kFirstKind && kind <= dds::kLastKind; }

void ShowPercent(QLabel* label, int position)
{
    dds::SetCentredText(*label, QString::number(position) + QLatin1Char('%'), *label->parentWidget());
}

} // namespace

// ---- Connections and start-up steps ----------------------------------------------------------

void TForm1::ConnectWaveformControls()
{
    for (const PresetButton& preset : kPresetButtons)
        errorReporter.ConnectGuarded(this->*preset.button, &TDoubleSpeed::OnClick, this, preset.handler);
    errorReporter.ConnectGuarded(JvDialButton1, &TJvDialButton::OnChange, this, &TForm1::JvDialButton1Change);
    errorReporter.ConnectGuarded(JvDialButton2, &TJvDialButton::OnChange, this, &TForm1::JvDialButton2Change);
    errorReporter.ConnectGuarded(RxSlider2, &TRxSlider::OnChange, this, &TForm1::RxSlider2Change);
    errorReporter.ConnectGuarded(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    errorReporter.ConnectGuarded(RxSpinEdit1, &TRxSpinEdit::OnChange, this, &TForm1::RxSpinEdit1Change);
    errorReporter.ConnectGuarded(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
}

void TForm1::SetFirstSampleIndex() { state.waveformTable.firstIndex = dds::WaveformTable::kFirstIndex; }

void TForm1::SetStartWaveformKind() { state.waveformKind = static_cast<int32_t>(dds::kStartKind); }

void TForm1::SetAmplitudeDialStart() { JvDialButton1->setPosition(dds::kStartAmplitude); }

void TForm1::SetShapeDialStart()
{
    JvDialButton2->setMin(dds::kShapeMinimum);
    JvDialButton2->setMax(dds::kShapeMaximum);
    JvDialButton2->setPosition(dds::kStartShape);
}

void TForm1::SetUpPlotFrame()
{
    GraphXY1->SetEchelle(false);
    GraphXY1->SetMargeHaute(5);
    GraphXY1->SetMargeBasse(5);
    GraphXY1->SetMargeGauche(5);
    GraphXY1->SetMargeDroite(5);
}

void TForm1::SelectStartWaveform() { DoubleSpeed8Click(); }

void TForm1::DrawReferenceTrace() { DrawCentreLine(); }

void TForm1::SetVerticalPositionStart()
{
    RxSlider2->setMinValue(dds::kVerticalMinimum);
    RxSlider2->setMaxValue(dds::kVerticalMaximum);
    RxSlider2->setIncrement(1);
    RxSlider2->setValue(dds::kStartVertical);
}

void TForm1::SetCoefficientStart()
{
    Panel13->hide();
    RxSpinEdit1->setValue(dds::kStartCoefficient);
}

// ---- Computation and plot ------------------------------------------------------------------

void TForm1::ComputeWaveform()
{
    Timer4->stop();
    if (!IsKnownKind(state.waveformKind))
        return;
    const auto kind = static_cast<WaveformKind>(state.waveformKind);
    if (kind == WaveformKind::DC) {
        if (RxSlider2->Value() == 0) {
            GraphXY1->ClearTrace(1);
            GraphXY1->Repaint();
        } else {
            DrawCentreLine();
        }
    }
    if (kind == WaveformKind::WhiteNoise) {
        noiseGenerator.seedFromClock();
        Timer4->start();
        return;
    }
    dds::WaveformParams params;
    params.amplitude = JvDialButton1->Position();
    params.shape = JvDialButton2->Position();
    params.vertical = RxSlider2->Value();
    // The coefficient handler lifts a value below 1 before any computation; this keeps an
    // unhandled 0 from dividing by zero.
    params.coefficient = std::max(RxSpinEdit1->Value(), 1);
    params.phaseNumerator = phaseNumerator;
    params.phaseDenominator = phaseDenominator;
    dds::ComputeWaveform(state.waveformTable, kind, params);
}

void TForm1::ResetWaveform()
{
    state.waveformTable.firstIndex = dds::WaveformTable::kFirstIndex;
    phaseNumerator = kPhaseNumerator;
    phaseDenominator = kPhaseDenominator;
    state.waveformTable.length = dds::WaveformTable::kLength;
    ComputeWaveform();
    SetUpPlotTraces();
    DrawWaveform();
}

void TForm1::SetUpPlotTraces()
{
    GraphXY1->SetXMin(0);
    GraphXY1->SetYMin(0);
    GraphXY1->SetEchX(state.waveformTable.length);
    GraphXY1->SetEchY(256);
    GraphXY1->SetNbXDiv(1);
    GraphXY1->SetNbYDiv(1);
    GraphXY1->SetNbTrace(4);
    const std::array<QColor, 4> colours{kYellow, kWhite, kSkyBlue, kSkyBlue};
    for (int trace = 0; trace < 4; ++trace) {
        GraphXY1->SetIndice(trace);
        GraphXY1->SetColor(colours[static_cast<std::size_t>(trace)]);
    }
}

void TForm1::DrawWaveform()
{
    GraphXY1->ClearTrace(0);
    for (int32_t n = state.waveformTable.firstIndex; n <= state.waveformTable.length; ++n)
        GraphXY1->AddPoint(0, n, state.waveformTable[n]);
    GraphXY1->Repaint();
    PlayedInputsChanged();
    ClearStaleImportStatus();
}

void TForm1::DrawCentreLine()
{
    GraphXY1->ClearTrace(1);
    GraphXY1->AddPointDrawn(1, 1, 128);
    GraphXY1->AddPoint(1, dds::WaveformTable::kLength, 128);
    GraphXY1->Repaint();
}

// ---- Preset buttons --------------------------------------------------------------------------

void TForm1::SelectPreset(WaveformKind kind)
{
    const PresetButton& preset = PresetFor(kind);
    (this->*preset.button)->setDown(true);
    Panel2->setVisible(preset.shapeKnob);
    Panel5->setVisible(preset.amplitudeKnob);
    Panel13->setVisible(preset.coefficient);
    if (preset.coefficientValue != 0)
        RxSpinEdit1->setValue(preset.coefficientValue); // its handler runs now, under the old kind
    state.waveformKind = static_cast<int32_t>(kind);
    ResetWaveform();
    const bool noise = kind == WaveformKind::WhiteNoise;
    Panel4->setVisible(!noise);
    DoubleSpeed18->setEnabled(!noise);
    // The flat DC line at 128 would vanish under the centre line.
    if (kind == WaveformKind::DC && RxSlider2->Value() == 0) {
        GraphXY1->ClearTrace(1);
        GraphXY1->Repaint();
    } else {
        DrawCentreLine();
    }
    ToolButton4->setEnabled(!noise);
    if (kind == WaveformKind::Sine)
        SpeedButton9->setEnabled(false);
    ApplyLanguageTexts();
    JvDialButton2->setPosition(dds::kStartShape);
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
    ShowPercent(Label19, JvDialButton1->Position());
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::JvDialButton2Change()
{
    ShowPercent(Label20, JvDialButton2->Position());
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::RxSlider2Change()
{
    ComputeWaveform();
    DrawWaveform();
}

void TForm1::SpeedButton8Click() { RxSlider2->setValue(0); }

void TForm1::RxSpinEdit1Change()
{
    if (RxSpinEdit1->Value() < 1)
        RxSpinEdit1->setValue(1);
    ResetWaveform();
}

void TForm1::Timer4Timer()
{
    // The animation's ticks are not undo steps; a change still open before one is.
    CloseEditStep();
    noiseGenerator.tick(state.waveformTable);
    editHistory.rebase(CurrentSnapshot());
    DrawWaveform();
}
