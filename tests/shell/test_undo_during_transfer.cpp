#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "panel/front_panel.h"
#include "test_device_fixture.h"
#include "widgets/double_speed.h"
#include "window_controls.h"

using namespace std::chrono_literals;

class UndoDuringTransfer : public DeviceWindow {};

TEST_F(UndoDuringTransfer, KeysDoNothingUntilTheTransferEnds)
{
    services.acknowledgementPeriod = 20ms; // every block waits out its time-out
    StartConnected();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const dds::WaveformTable sine = form->FrontPanel().State().table;
    QTest::mouseClick(Find<TDoubleSpeed>(*form, "DoubleSpeed9"), Qt::LeftButton);
    const dds::WaveformTable rectangle = form->FrontPanel().State().table;

    generator->SetAcknowledging(false);
    bool pressedDuringTransfer = false;
    QTimer::singleShot(60, form.get(), [&] {
        pressedDuringTransfer = !Find<QToolBar>(*form, "ToolBar1")->isEnabled();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Z,
                        Qt::ControlModifier);
    });
    QTest::mouseClick(Find<QToolButton>(*form, "SpeedButton10"), Qt::LeftButton);
    ASSERT_TRUE(pressedDuringTransfer);
    EXPECT_EQ(form->FrontPanel().State().table, rectangle);
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 2);

    form->activateWindow(); // the transfer's windows took the focus while they were shown
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->FrontPanel().State().table, sine);
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 1);
}
