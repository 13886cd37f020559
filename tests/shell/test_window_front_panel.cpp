// How the window's front panel meets the window: its locks, its generator, its handlers' errors and
// its events. What the operations send is the conformance suite's.
#include <QLabel>
#include <QToolButton>

#include "panel/front_panel.h"
#include "test_device_fixture.h"
#include "widgets/double_speed.h"
#include "window_controls.h"

TEST_F(DeviceWindow, FrontPanelRefusesWhatTheOperatorCannotReach)
{
    CreateWindow();
    dds::FrontPanel& panel = form->FrontPanel();
    Tick(Find<QTimer>(*form, "Timer2")); // the start-up picture locks the controls
    EXPECT_FALSE(panel.State().accepting);
    EXPECT_THROW(panel.ChooseSetting(3, 10), dds::PanelLocked);
    FinishStartUpPicture();
    panel.ChooseSetting(3, 10);
    EXPECT_EQ(Find<QLabel>(*form, "Label10")->text(), "20 Hz");
    EXPECT_THROW(panel.SetOffset(10), dds::NoGenerator) << "the offset slider is covered";
    Find<TDoubleSpeed>(*form, "DoubleSpeed18")->click(); // draw mode
    EXPECT_THROW(panel.ChoosePreset(dds::WaveformKind::DC, {}), dds::PanelLocked);
}

TEST_F(DeviceWindow, FrontPanelHandsTheHandlersErrorsToItsCallerAndTellsOfTransfers)
{
    services.scratchFolder = QStringLiteral("/proc"); // "Sample.bmp" cannot be written there
    StartConnected();
    Pump(); // the arrival's notice is out
    int changes = 0, started = 0, ended = 0;
    form->FrontPanel().SetEvents({[&] { ++changes; }, {}, [&] { ++started; }, [&](const auto&) { ++ended; }});
    EXPECT_THROW(form->FrontPanel().Transfer(), std::runtime_error);
    EXPECT_TRUE(services.errors.isEmpty()) << "no error box for the panel's caller";
    EXPECT_FALSE(form->FrontPanel().State().lastTransfer);
    QTest::mouseClick(Find<QToolButton>(*form, "SpeedButton10"), Qt::LeftButton);
    EXPECT_EQ(services.errors.size(), 1) << "the operator's own click still gets the box";
    services.errors.clear();
    EXPECT_EQ(started + ended, 0) << "the picture failed before anything was sent";
    QTest::mouseClick(Find<TDoubleSpeed>(*form, "DoubleSpeed9"), Qt::LeftButton);
    QTest::mouseClick(Find<TDoubleSpeed>(*form, "DoubleSpeed5"), Qt::LeftButton);
    Pump();
    EXPECT_EQ(changes, 1) << "one notice for all the changes since the event loop last ran";
}
