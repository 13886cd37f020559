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
#include "widgets/rx_slider.h"

namespace {

constexpr int kOffsetCentre = 127;
constexpr int kAmplitudeStart = 99;

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
    // The holder's plug events are callbacks, not signals: wrapped the same way.
    generatorHolder.FollowPlugging({
        .arrival = errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceController1Arrival, this)),
        .lost = errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceController1Removal, this)),
        .data = errorReporter.Guarded(std::bind_front(&TForm1::JvHidDeviceData, this)),
    });
    errorReporter.ConnectGuarded(RxSlider3, &TRxSlider::OnChange, this, &TForm1::RxSlider3Change);
    errorReporter.ConnectGuarded(RxSlider4, &TRxSlider::OnMouseUp, this, &TForm1::RxSlider4MouseUp);
    errorReporter.ConnectGuarded(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    errorReporter.ConnectGuarded(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    errorReporter.ConnectGuarded(SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    errorReporter.ConnectGuarded(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
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
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
            RadioButton5, RadioButton6, RadioButton7, RadioButton8};
}

// ---- Start-up steps ------------------------------------------------------------------------

void TForm1::SetOffsetSliderStart()
{
    RxSlider3->setMinValue(0);
    RxSlider3->setMaxValue(255);
    RxSlider3->setIncrement(1);
    RxSlider3->setValue(kOffsetCentre);
}

void TForm1::CheckFilterOffRadio() { RadioButton1->setChecked(true); }

void TForm1::SetAmplitudeSliderStart()
{
    RxSlider4->setMinValue(0);
    RxSlider4->setMaxValue(99);
    RxSlider4->setIncrement(1);
    RxSlider4->setValue(kAmplitudeStart);
    state.lastSentAmplitude = kAmplitudeStart;
}

// ---- Arrival and removal -------------------------------------------------------------------

void TForm1::JvHidDeviceController1Arrival(TJvHidDevice* HidDev, dds::ClaimResult claim)
{
    if (claim == dds::ClaimResult::Claimed) {
        state.connectedFlag = 1;
        ApplyLanguageTexts();
        ShowConnectedPanels();
        generatorHolder.Send(dds::gcHostConnected);
    } else if (claim == dds::ClaimResult::Inaccessible) {
        WarnInaccessible(*HidDev, errorReporter);
    }
    RxSlider3Change();
}

void TForm1::ShowConnectedPanels()
{
    Panel1->hide();
    Panel9->show();
    Panel11->hide();
}

void TForm1::JvHidDeviceController1Removal()
{
    state.connectedFlag = 0;
    ApplyLanguageTexts();
    Panel1->show();
    Panel9->hide();
    ReleaseGeneratorOnce(); // unplugged or refusing, it is written nothing more: the closing command goes nowhere
    GroupBox6->setEnabled(false);
    GroupBox1->setEnabled(false);
    Panel11->show();
    ReleaseWorkBitmaps();
    terminateApplication_();
}

void TForm1::JvHidDeviceData(TJvHidDevice*, uint8_t, const uint8_t* Data, uint16_t Size)
{
    generatorHolder.Acknowledge(Data, Size);
}

// ---- Offset, amplitude, filters, test ------------------------------------------------------

void TForm1::RxSlider3Change()
{
    const uint8_t offset = dds::OffsetByte(RxSlider3->Value());
    Label35->setText(QString::number(offset));
    generatorHolder.Send(dds::gcOffset, {offset});
}

void TForm1::StepOffset(int delta)
{
    // The slider sends on a change; the button sends once more itself.
    RxSlider3->setValue(RxSlider3->Value() + delta);
    RxSlider3Change();
}

void TForm1::SpeedButton3Click() { StepOffset(-1); }

void TForm1::SpeedButton2Click() { StepOffset(+1); }

void TForm1::SpeedButton13Click()
{
    RxSlider3->setValue(kOffsetCentre);
    RxSlider3Change();
}

void TForm1::RxSlider4MouseUp()
{
    const int position = RxSlider4->Value();
    const int diff = state.lastSentAmplitude - position;
    state.lastSentAmplitude = std::abs(position);
    const dds::AmplitudeStepPayload step = dds::AmplitudeStep(diff);
    generatorHolder.Send(dds::gcAmplitudeStep, step.span());
}

// A radio that follows the transfer's own filter command finds it sent already.
void TForm1::FilterRadioChecked(int index)
{
    generatorHolder.SelectFilter(index);
}

void TForm1::SpeedButton1Click() { generatorHolder.Send(dds::gcRamReadBackTest); }
