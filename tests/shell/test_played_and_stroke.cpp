#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "device/transfer_preview.h"
#include "editor/step_trace.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/rx_slider.h"

class PlayedOverlay : public WaveformWindow {
protected:
    void SetUp() override
    {
        WaveformWindow::SetUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void pressP() { QTest::keyClick(form.get(), Qt::Key_P); }
    // What the overlay should show: the transfer's bytes for the table and the current count.
    std::vector<dds::PlotPoint> expectedSteps() const
    {
        return dds::StepTracePoints(dds::PlayedBytes(form->state.waveformTable, form->state.frequencyPlan.sampleCount));
    }
    bool overlayFollows() const
    {
        const auto& shown = form->GraphXY1->OverlayPoints();
        const auto expected = expectedSteps();
        if (shown.size() != expected.size())
            return false;
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i].x != expected[i].x || shown[i].y != expected[i].y)
                return false;
        return form->GraphXY1->OverlayText() == QStringLiteral("N = %1").arg(form->state.frequencyPlan.sampleCount);
    }
};

TEST_F(PlayedOverlay, OffAtStartWithItsButtonAfterTheUserGuide)
{
    EXPECT_FALSE(form->PlayedOverlayShown());
    EXPECT_FALSE(form->GraphXY1->HasOverlay());
    EXPECT_FALSE(form->PlayedButton->isChecked());
    const QList<QAction*> actions = form->ToolBar1->actions();
    EXPECT_EQ(form->ToolBar1->widgetForAction(actions.last()), form->PlayedButton);
    EXPECT_EQ(form->ToolBar1->widgetForAction(actions[actions.size() - 3]), form->ToolButton1);
    click(form->ToolButton6); // French, whatever an earlier run stored
    EXPECT_EQ(form->PlayedButton->toolTip(), QString::fromUtf8("Afficher ce que le générateur jouera vraiment (P)"));
    click(form->ToolButton5);
    EXPECT_EQ(form->PlayedButton->toolTip(), "Show what the generator will really play (P)");
    click(form->ToolButton19);
    EXPECT_EQ(form->PlayedButton->toolTip(), "Anzeigen, was der Generator wirklich ausgibt (P)");
}

TEST_F(PlayedOverlay, KeyPShowsTheTransfersBytesAndFollowsEveryChange)
{
    QTemporaryDir scratch;
    form->sampleFolder = [&scratch] { return scratch.path(); };
    pressP();
    ASSERT_TRUE(form->PlayedOverlayShown());
    EXPECT_TRUE(form->PlayedButton->isChecked());
    EXPECT_TRUE(overlayFollows());
    EXPECT_EQ(form->GraphXY1->OverlayPoints().size(), 6400u);

    click(form->DoubleSpeed7); // range 7
    form->RxSlider1->setValue(70);
    QTRY_VERIFY(overlayFollows());
    EXPECT_EQ(form->GraphXY1->OverlayText(), "N = 40");
    EXPECT_EQ(form->GraphXY1->OverlayPoints().size(), 80u);
    click(form->DoubleSpeed9);
    QTRY_VERIFY(overlayFollows());
    EXPECT_EQ(form->GraphXY1->NbTrace(), 4) << "the plot's own traces are untouched";
    EXPECT_TRUE(plotShowsTable());
    EXPECT_FALSE(QFile::exists(scratch.filePath("Sample.bmp")));

    click(form->DoubleSpeed20); // the generator's own noise: no samples are sent
    QTRY_VERIFY(form->GraphXY1->OverlayPoints().empty());
    click(form->findChild<QToolButton*>("ToolButton5")); // English
    QTRY_COMPARE(form->GraphXY1->OverlayText(), QStringLiteral("The generator makes the noise itself"));
    pressP();
    EXPECT_FALSE(form->PlayedOverlayShown());
    EXPECT_FALSE(form->GraphXY1->HasOverlay());
}

class ShiftStroke : public PlayedOverlay {
protected:
    void SetUp() override
    {
        PlayedOverlay::SetUp();
        click(form->DoubleSpeed17); // flat at 128
        click(form->DoubleSpeed18);
    }
    void move(int x, int y, Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), form->GraphXY1->mapToGlobal(QPointF(x, y)),
                          Qt::NoButton, Qt::RightButton, modifiers);
        QApplication::sendEvent(form->GraphXY1, &event);
    }
};

// Pixel 100 is sample 552 (95 x 3200 / 551 = 551.7), pixel 400 sample 2294; row 100 is value
// 207, row 300 value 104 (256 - 295 x 256 / 496 = 103.7). The brush is 20 wide each side.
TEST_F(ShiftStroke, ShiftJoinsTheStampsWithAStraightLine)
{
    QTest::mousePress(form->GraphXY1, Qt::RightButton, {}, QPoint(100, 100));
    move(100, 100, Qt::NoModifier);
    move(400, 300, Qt::ShiftModifier);
    const dds::WaveformTable& t = form->state.waveformTable;
    EXPECT_EQ(t[531], 128);
    for (int i = 532; i <= 552; ++i)
        ASSERT_EQ(t[i], 207) << i;
    for (int i = 552; i <= 2294; ++i)
        ASSERT_EQ(t[i], std::nearbyint(207.0 - 103.0 * (i - 552) / 1742.0)) << i;
    for (int i = 2294; i <= 2314; ++i)
        ASSERT_EQ(t[i], 104) << i;
    EXPECT_EQ(t[2315], 128);
    QTest::mouseRelease(form->GraphXY1, Qt::RightButton, {}, QPoint(400, 300));
}

TEST_F(ShiftStroke, TheFirstSegmentStartsAtThePress)
{
    dds::WaveformTable expected = form->state.waveformTable;
    dds::StampLine(expected, dds::StampAt(552, 20, 207), 2294, 20, 104);
    auto* plot = form->findChild<TGraphXY*>("GraphXY1");
    QTest::mousePress(plot, Qt::RightButton, {}, QPoint(100, 100));
    move(400, 300, Qt::ShiftModifier);
    EXPECT_EQ(form->state.waveformTable, expected);
    QTest::mouseRelease(plot, Qt::RightButton, {}, QPoint(400, 300));
}

TEST_F(ShiftStroke, WithoutShiftFastMovesStillLeaveGaps)
{
    QTest::mousePress(form->GraphXY1, Qt::RightButton, {}, QPoint(100, 100));
    move(100, 100, Qt::NoModifier);
    move(400, 300, Qt::NoModifier);
    EXPECT_EQ(form->state.waveformTable[1000], 128);
    EXPECT_EQ(form->state.waveformTable[552], 207);
    EXPECT_EQ(form->state.waveformTable[2294], 104);
    // A new stroke does not join the last one, even with Shift: it starts with a stamp.
    QTest::mouseRelease(form->GraphXY1, Qt::RightButton, {}, QPoint(400, 300));
    QTest::mousePress(form->GraphXY1, Qt::RightButton, {}, QPoint(100, 300));
    move(100, 300, Qt::ShiftModifier);
    EXPECT_EQ(form->state.waveformTable[1000], 128);
    EXPECT_EQ(form->state.waveformTable[552], 104);
    QTest::mouseRelease(form->GraphXY1, Qt::RightButton, {}, QPoint(100, 300));
}
