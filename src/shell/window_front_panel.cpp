#include "shell/window_front_panel.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "editor/graph_xy.h"
#include "panel/panel_checks.h"
#include "shell/unit1.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"

namespace dds {

WindowFrontPanel::WindowFrontPanel(TForm1& form) : form_(form)
{
    changed_.setSingleShot(true);
    changed_.setInterval(0);
    QObject::connect(&changed_, &QTimer::timeout, &form_, [this] { NotifyStateChanged(); });
    WatchControls();
}

// Every control whose change State() reads, and what ends a lock; the noise animation's ticks are
// left out on purpose.
void WindowFrontPanel::WatchControls()
{
    const MainWindowLayout& ui = form_.ui;
    const auto changed = [this] { changed_.start(); };
    for (const TForm1::RangeButton& range : TForm1::kRangeButtons)
        QObject::connect(ui.*range.button, &TDoubleSpeed::OnClick, &changed_, changed);
    for (const TForm1::PresetButton& preset : TForm1::kPresetButtons)
        QObject::connect(ui.*preset.button, &TDoubleSpeed::OnClick, &changed_, changed);
    for (TRxSlider* slider : {ui.RxSlider1, ui.RxSlider2, ui.RxSlider3})
        QObject::connect(slider, &TRxSlider::OnChange, &changed_, changed);
    QObject::connect(ui.RxSlider4, &TRxSlider::OnMouseUp, &changed_, changed);
    for (TJvDialButton* dial : {ui.JvDialButton1, ui.JvDialButton2})
        QObject::connect(dial, &TJvDialButton::OnChange, &changed_, changed);
    QObject::connect(ui.RxSpinEdit1, &TRxSpinEdit::OnChange, &changed_, changed);
    for (QRadioButton* radio : form_.FilterRadios())
        QObject::connect(radio, &QRadioButton::toggled, &changed_, changed);
    QObject::connect(ui.DoubleSpeed18, &TDoubleSpeed::OnClick, &changed_, changed);
    for (QToolButton* button : {ui.ToolButton2, ui.SpeedButton9})
        QObject::connect(button, &QToolButton::clicked, &changed_, changed);
    QObject::connect(ui.GraphXY1, &TGraphXY::MouseUp, &changed_, changed);
    QObject::connect(form_.Timer2, &QTimer::timeout, &changed_, changed);
    for (QShortcut* shortcut : form_.findChildren<QShortcut*>())
        QObject::connect(shortcut, &QShortcut::activated, &changed_, changed);
}

bool WindowFrontPanel::TakeError(const QString& message)
{
    if (!heldErrors_)
        return false;
    heldErrors_->append(message);
    return true;
}

void WindowFrontPanel::ConnectionChanged(bool connected)
{
    NotifyConnectionChanged(connected);
    changed_.start();
}

void WindowFrontPanel::TransferStarting()
{
    NotifyTransferStarted();
}

void WindowFrontPanel::TransferEnded(const TransferOutcome& outcome)
{
    NotifyTransferEnded(outcome);
    changed_.start();
}

template <class Operation>
void WindowFrontPanel::Operate(Operation&& operation)
{
    heldErrors_.emplace();
    const auto release = qScopeGuard([this] { heldErrors_.reset(); });
    std::forward<Operation>(operation)();
    if (!heldErrors_->isEmpty())
        throw std::runtime_error(heldErrors_->first().toStdString());
}

// The start-up picture and a transfer lock the groups and the toolbar; draw mode covers the presets
// and locks the frequency controls.
bool WindowFrontPanel::Accepting() const
{
    const MainWindowLayout& ui = form_.ui;
    return ui.ToolBar1->isEnabled() && ui.GroupBox3->isEnabled() && ui.GroupBox5->isEnabled()
           && !ui.DoubleSpeed18->Down();
}

void WindowFrontPanel::CheckAccepting() const
{
    if (!Accepting())
        throw PanelLocked("the window's controls are locked (start-up picture, transfer or draw mode)");
}

void WindowFrontPanel::CheckConnected() const
{
    if (!Connected())
        throw NoGenerator();
}

// A person can only click what is shown and enabled.
void WindowFrontPanel::Click(QAbstractButton* button) const
{
    if (!button->isVisibleTo(&form_) || !button->isEnabled())
        throw PanelLocked(button->objectName().toStdString() + " cannot be clicked now");
    button->click();
}

void WindowFrontPanel::MoveShapeControls(const ShapeControls& controls)
{
    const MainWindowLayout& ui = form_.ui;
    ui.JvDialButton1->setPosition(controls.amplitude);
    ui.JvDialButton2->setPosition(controls.shape);
    ui.RxSlider2->setValue(controls.vertical);
    ui.RxSpinEdit1->setValue(controls.coefficient);
}

ShapeControls WindowFrontPanel::CurrentShapeControls() const
{
    const MainWindowLayout& ui = form_.ui;
    return {ui.JvDialButton1->Position(), ui.JvDialButton2->Position(), ui.RxSlider2->Value(), ui.RxSpinEdit1->Value()};
}

int WindowFrontPanel::CheckedFilter() const
{
    const auto radios = form_.FilterRadios();
    for (int filter = 0; filter < static_cast<int>(radios.size()); ++filter)
        if (radios[static_cast<std::size_t>(filter)]->isChecked())
            return filter;
    return -1;
}

void WindowFrontPanel::ChooseSetting(int32_t range, int32_t position)
{
    CheckAccepting();
    CheckSetting(range, position);
    Operate([&] {
        Click(form_.RangeButtonFor(range));
        form_.ui.RxSlider1->setValue(position);
    });
}

void WindowFrontPanel::ChoosePreset(WaveformKind kind, const ShapeControls& controls)
{
    CheckAccepting();
    CheckKind(kind);
    CheckShapeControls(controls);
    Operate([&] {
        Click(form_.ui.*TForm1::PresetFor(kind).button);
        MoveShapeControls(controls);
        form_.CloseEditStep();
    });
}

void WindowFrontPanel::SetShapeControls(const ShapeControls& controls)
{
    CheckAccepting();
    CheckShapeControls(controls);
    Operate([&] {
        MoveShapeControls(controls);
        form_.CloseEditStep();
    });
}

void WindowFrontPanel::LoadTable(const WaveformTable& table)
{
    CheckAccepting();
    CheckTableBounds(table);
    Operate([&] { form_.LoadTable(table); });
}

void WindowFrontPanel::SetOffset(int32_t position)
{
    CheckAccepting();
    CheckOffset(position);
    CheckConnected();
    Operate([&] { form_.ui.RxSlider3->setValue(position); });
}

// The slider is moved, then the mouse button is released over it.
void WindowFrontPanel::SetOutputAmplitude(int32_t position)
{
    CheckAccepting();
    CheckOutputAmplitude(position);
    CheckConnected();
    Operate([&] {
        TRxSlider* slider = form_.ui.RxSlider4;
        slider->setValue(position);
        const QPointF thumb = slider->thumbRect().center();
        QMouseEvent release(QEvent::MouseButtonRelease, thumb, slider->mapToGlobal(thumb), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(slider, &release);
    });
}

void WindowFrontPanel::ChooseFilter(int filter)
{
    CheckAccepting();
    CheckFilter(filter);
    CheckConnected();
    Operate([&] { Click(form_.FilterRadios().at(static_cast<std::size_t>(filter))); });
}

TransferOutcome WindowFrontPanel::Transfer()
{
    CheckAccepting();
    CheckConnected();
    Operate([&] { Click(form_.ui.SpeedButton10); });
    if (!form_.state.lastTransfer)
        throw std::runtime_error("the transfer did not run");
    return *form_.state.lastTransfer;
}

bool WindowFrontPanel::Connected() const
{
    return form_.state.connectedFlag == 1;
}

std::string WindowFrontPanel::GeneratorPath() const
{
    const TJvHidDevice* generator = form_.generatorHolder.Generator();
    return generator ? generator->PnPInfo().DevicePath() : std::string();
}

PanelState WindowFrontPanel::State() const
{
    const WindowState& state = form_.state;
    const FrequencyPlan& plan = state.frequencyPlan;
    PanelState panel;
    panel.range = state.rangeNumber;
    panel.position = form_.ui.RxSlider1->Value();
    panel.displayText = plan.displayText();
    panel.nominalHertz = plan.hertz();
    panel.playedHertz = plan.sampleCount > 0 ? static_cast<double>(PlayedHertz(plan)) : 0;
    panel.sampleCount = plan.sampleCount;
    panel.kind = static_cast<WaveformKind>(state.waveformKind);
    panel.presetDown = false;
    for (const TForm1::PresetButton& preset : TForm1::kPresetButtons)
        panel.presetDown = panel.presetDown || (form_.ui.*preset.button)->Down();
    panel.shape = CurrentShapeControls();
    panel.table = state.waveformTable;
    panel.offset = form_.ui.RxSlider3->Value();
    panel.outputAmplitude = form_.ui.RxSlider4->Value();
    panel.filter = CheckedFilter();
    panel.connected = Connected();
    panel.generatorPath = GeneratorPath();
    panel.accepting = Accepting();
    panel.lastTransfer = state.lastTransfer;
    return panel;
}

} // namespace dds
