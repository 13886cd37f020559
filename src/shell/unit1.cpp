#include "shell/unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
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

// Each range button with its handler.
struct RangeButton {
    TDoubleSpeed* MainWindowLayout::*button;
    void (TForm1::*handler)();
};

using L = MainWindowLayout;
constexpr RangeButton kRangeButtons[] = {
    {&L::DoubleSpeed1, &TForm1::DoubleSpeed1Click}, {&L::DoubleSpeed2, &TForm1::DoubleSpeed2Click},
    {&L::DoubleSpeed3, &TForm1::DoubleSpeed3Click}, {&L::DoubleSpeed4, &TForm1::DoubleSpeed4Click},
    {&L::DoubleSpeed5, &TForm1::DoubleSpeed5Click}, {&L::DoubleSpeed6, &TForm1::DoubleSpeed6Click},
    {&L::DoubleSpeed7, &TForm1::DoubleSpeed7Click},
};

// The folder always ends in a separator, whoever filled the services in.
dds::WindowServices WithFolderSeparator(dds::WindowServices services)
{
    if (!services.programFolder.endsWith(QLatin1Char('/')) && !services.programFolder.endsWith(QLatin1Char('\\')))
        services.programFolder += QLatin1Char('/');
    return services;
}

} // namespace

TForm1::TForm1(dds::WindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      MainWindowLayout(this), services(WithFolderSeparator(std::move(services))), clockSource_(dds::SystemClock()),
      terminateApplication_([] { QCoreApplication::quit(); })
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientWidth, kClientHeight);
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
        const dds::DeviceNoticeHold notices = generatorHolder.HoldNotices();
        errorReporter.RunGuarded([this] { FormCreate(); });
        SetUpAdditions();
        CreateSecondaryWindows();
        CentreOnDesktop();
    }
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
    Panel11->show();
    Panel9->hide();
}

void TForm1::StartPictureTimer()
{
    state.pictureTickCounter = 0;
    Timer2->start();
}

void TForm1::SetFrequencySliderBounds()
{
    RxSlider1->setMinValue(dds::kSliderMinimum);
    RxSlider1->setMaxValue(dds::kSliderMaximum);
    RxSlider1->setIncrement(1);
    RxSlider1->setValue(dds::kSliderMaximum);
}

void TForm1::SelectStartRange()
{
    SelectRange(dds::kStartRange);
    RxSlider1->setValue(dds::kSliderMinimum);
}

void TForm1::FillSampleNumberGrid()
{
    StringGrid1->setColumnCount(3);
    StringGrid1->setRowCount(state.waveformTable.length + 1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(0);
    StringGrid1->verticalHeader()->setDefaultSectionSize(15);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(0);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(30);
    // Row 0 and column 0 are the grid's own fixed cells, so Qt's separate headers stay hidden.
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->hide();
    for (int row = 1; row <= state.waveformTable.length; ++row)
        StringGrid1->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
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
    for (QWidget* locked : std::initializer_list<QWidget*>{GroupBox3, GroupBox6, GroupBox1, GroupBox5, ToolBar1})
        locked->setEnabled(false);
    dds::ShowOnTop(*Form4);
    ++state.pictureTickCounter;
    if (state.pictureTickCounter < kPictureTicks)
        return;
    dds::HideToNormal(*Form4);
    Timer2->stop();
    for (QWidget* unlocked : std::initializer_list<QWidget*>{GroupBox3, GroupBox5, GroupBox6, GroupBox1, ToolBar1})
        unlocked->setEnabled(true);
}

void TForm1::Timer3Timer()
{
    state.clockFields = dds::DecodeClock(clockSource_());
    StatusBar1->setPanelText(kTimePanel, dds::StatusTimeText(state.clockFields));
    StatusBar1->setPanelText(kDatePanel, dds::StatusDateText(state.clockFields));
}

void TForm1::setClockSource(dds::ClockSource source)
{
    clockSource_ = std::move(source);
}

// ---- Frequency range and frequency ---------------------------------------------------------

void TForm1::ConnectFrequencyControls()
{
    for (const RangeButton& row : kRangeButtons)
        errorReporter.ConnectGuarded(this->*row.button, &TDoubleSpeed::OnClick, this, row.handler);
    errorReporter.ConnectGuarded(RxSlider1, &TRxSlider::OnChange, this, &TForm1::RxSlider1Change);
    errorReporter.ConnectGuarded(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    errorReporter.ConnectGuarded(SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
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
    rangeButtons()[static_cast<std::size_t>(range - dds::kFirstRange)]->setDown(true);
    state.rangeNumber = range;
    RxSlider1Change();
}

void TForm1::RxSlider1Change()
{
    const std::optional<dds::FrequencyPlan> plan = dds::PlanFrequency(state.rangeNumber, RxSlider1->Value());
    if (!plan)
        return;
    RxSlider1->setMinValue(dds::kSliderMinimum);
    RxSlider1->setMaxValue(dds::kSliderMaximum);
    RxSlider1->setIncrement(1);
    state.frequencyPlan = *plan;
    Label13->setText(QString::fromStdString(plan->diagnosticText));
    Label13->adjustSize();
    dds::SetCentredText(*Label10, QString::fromStdString(plan->displayText()), *Panel3);
    PlayedInputsChanged();
}

void TForm1::SpeedButton11Click()
{
    RxSlider1->setValue(RxSlider1->Value() - 1);
    RxSlider1Change();
}

void TForm1::SpeedButton12Click()
{
    RxSlider1->setValue(RxSlider1->Value() + 1);
    RxSlider1Change();
}

// ---- Shutdown ------------------------------------------------------------------------------

void TForm1::ConnectShutdownControls()
{
    errorReporter.ConnectGuarded(ToolButton3, &QToolButton::clicked, this, &TForm1::ToolButton3Click);
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
    terminateApplication_();
    ReleaseWorkBitmaps();
}

void TForm1::setApplicationTerminator(std::function<void()> terminate)
{
    terminateApplication_ = std::move(terminate);
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

void TForm1::CentreOnDesktop()
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
