#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "test_device_fixture.h"
#include "widgets/double_speed.h"

using namespace std::chrono_literals;

class UndoDuringTransfer : public DeviceWindow {};

TEST_F(UndoDuringTransfer, KeysDoNothingUntilTheTransferEnds)
{
    StartConnected();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const dds::WaveformTable sine = form->state.waveformTable;
    QTest::mouseClick(form->DoubleSpeed9, Qt::LeftButton);
    const dds::WaveformTable rectangle = form->state.waveformTable;

    generator->SetAcknowledging(false); // every block waits out its time-out
    form->acknowledgementPeriod = 20ms;
    bool pressedDuringTransfer = false;
    QTimer::singleShot(60, form.get(), [&] {
        pressedDuringTransfer = !form->ToolBar1->isEnabled();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), Qt::Key_Z,
                        Qt::ControlModifier);
    });
    QTest::mouseClick(form->SpeedButton10, Qt::LeftButton);
    ASSERT_TRUE(pressedDuringTransfer);
    EXPECT_EQ(form->state.waveformTable, rectangle);
    EXPECT_EQ(form->state.waveformKind, 2);

    form->activateWindow(); // the transfer's windows took the focus while they were shown
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->state.waveformTable, sine);
    EXPECT_EQ(form->state.waveformKind, 1);
}
