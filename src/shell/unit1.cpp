#include "shell/unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "device/hid_controller.h"
#include "shell/error_reporter.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit4.h"
#include "shell/unit5.h"
#include "shell/unit6.h"
#include "shell/window_front_panel.h"
#include "shell/window_showing.h"
#include "synthesis/control_start.h"
#include "widgets/centring.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"

namespace {

QTimer* MakeTimer(QObject* owner, const char* name, int intervalMs)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    return timer;
}

// The folder always ends in a separator, whoever filled the services in; what is left out is the
// desktop's.
dds::WindowServices Completed(dds::WindowServices services)
{
    if (!services.programFolder.endsWith(QLatin1Char('/')) && !services.programFolder.endsWith(QLatin1Char('\\')))
        services.programFolder += QLatin1Char('/');
    if (!services.terminateApplication)
        services.terminateApplication = [] { QCoreApplication::quit(); };
    if (!services.waveFileDialogs)
        services.waveFileDialogs = std::make_shared<dds::DesktopWaveFileDialogs>();
    return services;
}

} // namespace

TForm1::TForm1(dds::WindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services(Completed(std::move(services))), errorReporter([this](const QString& message) {
          if (!(frontPanel_ && frontPanel_->TakeError(message)))
              this->services.errorSink(message);
      }),
      ui(this)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(MainWindowLayout::kClientWidth, MainWindowLayout::kClientHeight);
    CreateTimers();
    ConnectFrequencyControls();
    ConnectShutdownControls();
    SetUpDeviceLink();
    ConnectWaveformControls();
    ConnectDrawingControls();
    ConnectFileControls();
    ConnectLanguageControls();
    ConnectWindowControls();
    ConnectTransferControls();
    {
        // The generator is connected only once the window is built: an error box inside FormCreate
        // runs an event loop, which must not hand it the controller's first notice.
        const dds::DeviceNoticeHold notices(*JvHidDeviceController1);
        errorReporter.RunGuarded([this] { FormCreate(); });
        SetUpAdditions();
        CreateSecondaryWindows();
        CentreOnDesktop();
    }
    frontPanel_ = std::make_unique<dds::WindowFrontPanel>(*this);
}

dds::FrontPanel& TForm1::FrontPanel() { return *frontPanel_; }

const std::array<TForm1::RangeButton, 7> TForm1::kRangeButtons{{
    {1, &MainWindowLayout::DoubleSpeed1, &TForm1::DoubleSpeed1Click},
    {2, &MainWindowLayout::DoubleSpeed2, &TForm1::DoubleSpeed2Click},
    {3, &MainWindowLayout::DoubleSpeed3, &TForm1::DoubleSpeed3Click},
    {4, &MainWindowLayout::DoubleSpeed4, &TForm1::DoubleSpeed4Click},
    {5, &MainWindowLayout::DoubleSpeed5, &TForm1::DoubleSpeed5Click},
    {6, &MainWindowLayout::DoubleSpeed6, &TForm1::DoubleSpeed6Click},
    {7, &MainWindowLayout::DoubleSpeed7, &TForm1::DoubleSpeed7Click},
}};

TDoubleSpeed* TForm1::RangeButtonFor(int32_t range) const
{
    return ui.*kRangeButtons.at(static_cast<std::size_t>(range - dds::kFirstRange)).button;
}

void TForm1::SetInputsEnabled(bool enabled)
{
    for (QWidget* input : std::initializer_list<QWidget*>{ui.GroupBox3, ui.GroupBox6, ui.GroupBox1, ui.GroupBox5, ui.ToolBar1})
        input->setEnabled(enabled);
}

TForm1::~TForm1()
{
    // A secondary window that goes with the keyboard hands it back to this window, so they go while
    // this window is still whole.
    Form6.reset();
    Form5.reset();
    Form4.reset();
    Form3.reset();
    Form2.reset();
}

void TForm1::FormCreate()
{
    CreateFirstWorkBitmap();
    LoadSettings();
    StoreProgramFolder();
    ClearConnectedFlag();
    ReadLanguageCode();
    ShowNotConnectedPanels();
    ApplyLanguageTexts();
    StartPictureTimer();
    SetFirstSampleIndex();
    SetFrequencySliderBounds();
    SetOffsetSliderStart();
    SetStartWaveformKind();
    SelectStartRange();
    SetAmplitudeDialStart();
    SetShapeDialStart();
    SetUpPlotFrame();
    SelectStartWaveform();
    DrawReferenceTrace();
    SetVerticalPositionStart();
    ClearDrawingFlag();
    FillSampleNumberGrid();
    SetBrushDialStart();
    CheckFilterOffRadio();
    SetAmplitudeSliderStart();
    SetCoefficientStart();
}

// ---- Start-up steps ------------------------------------------------------------------------

void TForm1::CreateFirstWorkBitmap()
{
    state.workBitmap1.emplace();
}

void TForm1::ClearConnectedFlag()
{
    state.connectedFlag = 0;
}

void TForm1::ShowNotConnectedPanels()
{
    ui.Panel11->show();
    ui.Panel9->hide();
}

void TForm1::StartPictureTimer()
{
    state.pictureTickCounter = 0;
    Timer2->start();
}

void TForm1::SetFrequencySliderBounds()
{
    ui.RxSlider1->setMinValue(dds::kSliderMinimum);
    ui.RxSlider1->setMaxValue(dds::kSliderMaximum);
    ui.RxSlider1->setIncrement(1);
    ui.RxSlider1->setValue(dds::kSliderMaximum);
}

void TForm1::SelectStartRange()
{
    SelectRange(dds::kStartRange);
    ui.RxSlider1->setValue(dds::kSliderMinimum);
}

void TForm1::FillSampleNumberGrid()
{
    ui.StringGrid1->setColumnCount(3);
    ui.StringGrid1->setRowCount(state.waveformTable.length + 1);
    ui.StringGrid1->verticalHeader()->setMinimumSectionSize(0);
    ui.StringGrid1->verticalHeader()->setDefaultSectionSize(15);
    ui.StringGrid1->horizontalHeader()->setMinimumSectionSize(0);
    ui.StringGrid1->horizontalHeader()->setDefaultSectionSize(30);
    // Row 0 and column 0 are the grid's own fixed cells, so Qt's separate headers stay hidden.
    ui.StringGrid1->verticalHeader()->hide();
    ui.StringGrid1->horizontalHeader()->hide();
    for (int row = 1; row <= state.waveformTable.length; ++row)
        ui.StringGrid1->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
}

// ---- Timers --------------------------------------------------------------------------------

void TForm1::CreateTimers()
{
    Timer1 = MakeTimer(this, "Timer1", 1000);
    Timer2 = MakeTimer(this, "Timer2", 100);
    Timer3 = MakeTimer(this, "Timer3", 1000);
    Timer4 = MakeTimer(this, "Timer4", 100);
    errorReporter.ConnectGuarded(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    errorReporter.ConnectGuarded(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    errorReporter.ConnectGuarded(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    Timer1->start();
    Timer3->start();
    generatorHolder.SetAcknowledgementTimer(*Timer1);
}

void TForm1::Timer1Timer()
{
    generatorHolder.TickAcknowledgement();
}

void TForm1::Timer2Timer()
{
    SetInputsEnabled(false);
    dds::ShowOnTop(*Form4);
    ++state.pictureTickCounter;
    if (state.pictureTickCounter < kPictureTicks)
        return;
    dds::HideToNormal(*Form4);
    Timer2->stop();
    SetInputsEnabled(true);
}

void TForm1::Timer3Timer()
{
    state.clockFields = dds::DecodeClock(services.clock());
    ui.StatusBar1->setPanelText(MainWindowLayout::kTimePanel, dds::StatusTimeText(state.clockFields));
    ui.StatusBar1->setPanelText(MainWindowLayout::kDatePanel, dds::StatusDateText(state.clockFields));
}

// ---- Frequency range and frequency ---------------------------------------------------------

void TForm1::ConnectFrequencyControls()
{
    for (const RangeButton& row : kRangeButtons)
        errorReporter.ConnectGuarded(ui.*row.button, &TDoubleSpeed::OnClick, this, row.handler);
    errorReporter.ConnectGuarded(ui.RxSlider1, &TRxSlider::OnChange, this, &TForm1::RxSlider1Change);
    errorReporter.ConnectGuarded(ui.SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    errorReporter.ConnectGuarded(ui.SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
}

void TForm1::DoubleSpeed1Click() { SelectRange(1); }
void TForm1::DoubleSpeed2Click() { SelectRange(2); }
void TForm1::DoubleSpeed3Click() { SelectRange(3); }
void TForm1::DoubleSpeed4Click() { SelectRange(4); }
void TForm1::DoubleSpeed5Click() { SelectRange(5); }
void TForm1::DoubleSpeed6Click() { SelectRange(6); }
void TForm1::DoubleSpeed7Click() { SelectRange(7); }

void TForm1::SelectRange(int32_t range)
{
    // A click on the button already down would release it; the range buttons always keep one down.
    RangeButtonFor(range)->setDown(true);
    state.rangeNumber = range;
    RxSlider1Change();
}

void TForm1::RxSlider1Change()
{
    const std::optional<dds::FrequencyPlan> plan = dds::PlanFrequency(state.rangeNumber, ui.RxSlider1->Value());
    if (!plan)
        return;
    ui.RxSlider1->setMinValue(dds::kSliderMinimum);
    ui.RxSlider1->setMaxValue(dds::kSliderMaximum);
    ui.RxSlider1->setIncrement(1);
    state.frequencyPlan = *plan;
    ui.Label13->setText(QString::fromStdString(plan->diagnosticText));
    ui.Label13->adjustSize();
    dds::SetCentredText(*ui.Label10, QString::fromStdString(plan->displayText()), *ui.Panel3);
    PlayedInputsChanged();
}

void TForm1::SpeedButton11Click()
{
    ui.RxSlider1->setValue(ui.RxSlider1->Value() - 1);
    RxSlider1Change();
}

void TForm1::SpeedButton12Click()
{
    ui.RxSlider1->setValue(ui.RxSlider1->Value() + 1);
    RxSlider1Change();
}

// ---- Shutdown ------------------------------------------------------------------------------

void TForm1::ConnectShutdownControls()
{
    errorReporter.ConnectGuarded(ui.ToolButton3, &QToolButton::clicked, this, &TForm1::ToolButton3Click);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    errorReporter.RunGuarded([this] { FormCloseQuery(); });
    event->accept();
}

void TForm1::FormCloseQuery()
{
    ReleaseGeneratorOnce();
    ReleaseWorkBitmaps();
}

void TForm1::ToolButton3Click()
{
    ReleaseGeneratorOnce();
    services.terminateApplication();
    ReleaseWorkBitmaps();
}

void TForm1::ReleaseGeneratorOnce()
{
    generatorHolder.CloseAndRelease();
}

void TForm1::ReleaseWorkBitmaps()
{
    state.workBitmap1.reset();
    state.workBitmap2.reset();
}

void TForm1::CentreOnDesktop() { dds::CentreOnDesktop(*this); }
