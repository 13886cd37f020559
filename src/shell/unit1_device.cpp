// The device link of the main window: the generator's arrival and removal, the connection display,
// and the commands the offset, amplitude, filter and test controls send.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <array>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "device/generator_commands.h"
#include "device/hid_controller.h"
#include "shell/error_reporter.h"
#include "shell/unit1.h"
#include "shell/window_front_panel.h"
#include "widgets/rx_slider.h"

namespace {

// A desktop user never sees standard error, so the operator is told in the error box too: which
// generator was found, that this user may not open it, and the remedy of the README. Once the rule
// is in place and the generator plugged in again, it arrives anew and connects.
void WarnInaccessible(const TJvHidDevice& device, const dds::ErrorReporter& errorReporter)
{
    const std::string& path = device.PnPInfo().DevicePath();
    std::cerr << "ddsgen: " << dds::InaccessibleGeneratorMessage(path) << '\n';
    errorReporter.Report(
        QStringLiteral("Le générateur USB (04D8:0009) a été trouvé sur « %1 », mais cet utilisateur n'a pas le "
                       "droit de l'ouvrir. Installez la règle udev 70-ddsgen.rules comme l'indique le README "
                       "(« Running with a real generator »), puis débranchez et rebranchez le générateur : il "
                       "sera connecté sans redémarrer le programme.")
            .arg(QString::fromStdString(path)));
}

} // namespace

void TForm1::SetUpDeviceLink()
{
    // The controller's plug events are callbacks, not signals: wrapped the same way.
    JvHidDeviceController1->OnArrival =
        errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceController1Arrival, this));
    JvHidDeviceController1->OnRemoval =
        errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceController1Removal, this));
    errorReporter.ConnectGuarded(ui.RxSlider3, &TRxSlider::OnChange, this, &TForm1::RxSlider3Change);
    errorReporter.ConnectGuarded(ui.RxSlider4, &TRxSlider::OnMouseUp, this, &TForm1::RxSlider4MouseUp);
    errorReporter.ConnectGuarded(ui.SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    errorReporter.ConnectGuarded(ui.SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    errorReporter.ConnectGuarded(ui.SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    errorReporter.ConnectGuarded(ui.SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    const std::array<QRadioButton*, 8> radios = FilterRadios();
    for (int index = 0; index < static_cast<int>(radios.size()); ++index)
        errorReporter.ConnectGuarded(radios[static_cast<size_t>(index)], &QRadioButton::toggled, this,
                                     [this, index](bool checked) {
                                         if (checked)
                                             FilterRadioChecked(index);
                                     });
}

std::array<QRadioButton*, 8> TForm1::FilterRadios() const
{
    return {ui.RadioButton1, ui.RadioButton2, ui.RadioButton3, ui.RadioButton4,
            ui.RadioButton5, ui.RadioButton6, ui.RadioButton7, ui.RadioButton8};
}

// ---- Start-up steps ------------------------------------------------------------------------

void TForm1::SetOffsetSliderStart()
{
    ui.RxSlider3->setMinValue(dds::kOffsetMinimum);
    ui.RxSlider3->setMaxValue(dds::kOffsetMaximum);
    ui.RxSlider3->setIncrement(1);
    ui.RxSlider3->setValue(dds::kOffsetCentre);
}

void TForm1::CheckFilterOffRadio() { ui.RadioButton1->setChecked(true); }

void TForm1::SetAmplitudeSliderStart()
{
    ui.RxSlider4->setMinValue(dds::kOutputAmplitudeMinimum);
    ui.RxSlider4->setMaxValue(dds::kOutputAmplitudeMaximum);
    ui.RxSlider4->setIncrement(1);
    ui.RxSlider4->setValue(dds::kOutputAmplitudeStart);
    state.lastSentAmplitude = dds::kOutputAmplitudeStart;
}

// ---- Arrival and removal -------------------------------------------------------------------

void TForm1::JvHidDeviceController1Arrival(TJvHidDevice* HidDev)
{
    const dds::ClaimResult claim =
        generatorHolder.Claim(HidDev, errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceData, this)));
    if (claim == dds::ClaimResult::Claimed) {
        state.connectedFlag = 1;
        ApplyLanguageTexts();
        ShowConnectedPanels();
        generatorHolder.Send(dds::gcHostConnected);
    } else if (claim == dds::ClaimResult::Inaccessible) {
        WarnInaccessible(*HidDev, errorReporter);
    }
    RxSlider3Change();
    if (claim == dds::ClaimResult::Claimed && frontPanel_)
        frontPanel_->ConnectionChanged(true);
}

void TForm1::ShowConnectedPanels()
{
    ui.Panel1->hide();
    ui.Panel9->show();
    ui.Panel11->hide();
}

void TForm1::JvHidDeviceController1Removal(TJvHidDevice* HidDev)
{
    // Only the generator the window holds ends the program; any other interface changes nothing.
    if (!generatorHolder.NoteRemoval(HidDev))
        return;
    state.connectedFlag = 0;
    ApplyLanguageTexts();
    ui.Panel1->show();
    ui.Panel9->hide();
    ReleaseGeneratorOnce(); // the layer has marked it unplugged, so the closing command goes nowhere
    ui.GroupBox6->setEnabled(false);
    ui.GroupBox1->setEnabled(false);
    ui.Panel11->show();
    ReleaseWorkBitmaps();
    if (frontPanel_)
        frontPanel_->ConnectionChanged(false);
    services.terminateApplication();
}

void TForm1::JvHidDeviceData(TJvHidDevice*, uint8_t, const uint8_t* Data, uint16_t Size)
{
    generatorHolder.Acknowledge(Data, Size);
}

// ---- Offset, amplitude, filters, test ------------------------------------------------------

void TForm1::RxSlider3Change()
{
    const uint8_t offset = dds::OffsetByte(ui.RxSlider3->Value());
    ui.Label35->setText(QString::number(offset));
    generatorHolder.Send(dds::gcOffset, {offset});
}

void TForm1::StepOffset(int delta)
{
    // The slider sends on a change; the button sends once more itself.
    ui.RxSlider3->setValue(ui.RxSlider3->Value() + delta);
    RxSlider3Change();
}

void TForm1::SpeedButton3Click() { StepOffset(-1); }

void TForm1::SpeedButton2Click() { StepOffset(+1); }

void TForm1::SpeedButton13Click()
{
    ui.RxSlider3->setValue(dds::kOffsetCentre);
    RxSlider3Change();
}

void TForm1::RxSlider4MouseUp()
{
    const int position = ui.RxSlider4->Value();
    const int diff = state.lastSentAmplitude - position;
    state.lastSentAmplitude = std::abs(position);
    const dds::AmplitudeStepPayload step = dds::AmplitudeStep(diff);
    generatorHolder.Send(dds::gcAmplitudeStep, step.span());
}

void TForm1::FilterRadioChecked(int index) { generatorHolder.Send(dds::FilterCommand(index)); }

void TForm1::SpeedButton1Click() { generatorHolder.Send(dds::gcRamReadBackTest); }
