#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "device/transfer_preview.h"
#include "editor/step_trace.h"
#include "panel/front_panel.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

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
        return dds::StepTracePoints(
            dds::PlayedBytes(form->FrontPanel().State().table, form->FrontPanel().State().sampleCount));
    }
    bool overlayFollows() const
    {
        const auto& shown = Find<TGraphXY>(*form, "GraphXY1")->OverlayPoints();
        const auto expected = expectedSteps();
        if (shown.size() != expected.size())
            return false;
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i].x != expected[i].x || shown[i].y != expected[i].y)
                return false;
        return Find<TGraphXY>(*form, "GraphXY1")->OverlayText().startsWith(
            QStringLiteral("N = %1 · ").arg(form->FrontPanel().State().sampleCount));
    }
};

TEST_F(PlayedOverlay, OffAtStartWithItsButtonAfterTheUserGuide)
{
    EXPECT_FALSE(Find<QToolButton>(*form, "PlayedButton")->isChecked());
    EXPECT_FALSE(Find<TGraphXY>(*form, "GraphXY1")->HasOverlay());
    EXPECT_FALSE(Find<QToolButton>(*form, "PlayedButton")->isChecked());
    const QList<QAction*> actions = Find<QToolBar>(*form, "ToolBar1")->actions();
    EXPECT_EQ(Find<QToolBar>(*form, "ToolBar1")->widgetForAction(actions.last()),
              Find<QToolButton>(*form, "PlayedButton"));
    EXPECT_EQ(Find<QToolBar>(*form, "ToolBar1")->widgetForAction(actions[actions.size() - 3]),
              Find<QToolButton>(*form, "ToolButton1"));
    click(Find<QToolButton>(*form, "ToolButton6")); // French, whatever an earlier run stored
    EXPECT_EQ(Find<QToolButton>(*form, "PlayedButton")->toolTip(),
              QString::fromUtf8("Afficher ce que le générateur jouera vraiment (P)"));
    click(Find<QToolButton>(*form, "ToolButton5"));
    EXPECT_EQ(Find<QToolButton>(*form, "PlayedButton")->toolTip(), "Show what the generator will really play (P)");
    click(Find<QToolButton>(*form, "ToolButton19"));
    EXPECT_EQ(Find<QToolButton>(*form, "PlayedButton")->toolTip(), "Anzeigen, was der Generator wirklich ausgibt (P)");
}

TEST_F(PlayedOverlay, KeyPShowsTheTransfersBytesAndFollowsEveryChange)
{
    pressP();
    ASSERT_TRUE(Find<QToolButton>(*form, "PlayedButton")->isChecked());
    EXPECT_TRUE(Find<QToolButton>(*form, "PlayedButton")->isChecked());
    EXPECT_TRUE(overlayFollows());
    EXPECT_EQ(Find<TGraphXY>(*form, "GraphXY1")->OverlayPoints().size(), 6400u);

    click(Find<TDoubleSpeed>(*form, "DoubleSpeed7")); // range 7
    Find<TRxSlider>(*form, "RxSlider1")->setValue(70);
    QTRY_VERIFY(overlayFollows());
    EXPECT_EQ(Find<TGraphXY>(*form, "GraphXY1")->OverlayText(), QString::fromUtf8("N = 40 · 800.0 kHz"));
    EXPECT_EQ(Find<TGraphXY>(*form, "GraphXY1")->OverlayPoints().size(), 80u);
    Find<TRxSlider>(*form, "RxSlider1")->setValue(83);
    QTRY_COMPARE(Find<TGraphXY>(*form, "GraphXY1")->OverlayText(),
                 QString::fromUtf8("N = 33 · 969.7 kHz")); // not the 950 kHz shown
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    QTRY_VERIFY(overlayFollows());
    EXPECT_EQ(Find<TGraphXY>(*form, "GraphXY1")->NbTrace(), 4) << "the plot's own traces are untouched";
    EXPECT_TRUE(plotShowsTable());
    EXPECT_FALSE(QFile::exists(services.ownProgramFolder.filePath("Sample.bmp")));

    click(Find<TDoubleSpeed>(*form, "DoubleSpeed20")); // the generator's own noise: no samples are sent
    QTRY_VERIFY(Find<TGraphXY>(*form, "GraphXY1")->OverlayPoints().empty());
    click(Find<QToolButton>(*form, "ToolButton5")); // English
    QTRY_COMPARE(Find<TGraphXY>(*form, "GraphXY1")->OverlayText(), QStringLiteral("The generator makes the noise itself"));
    pressP();
    EXPECT_FALSE(Find<QToolButton>(*form, "PlayedButton")->isChecked());
    EXPECT_FALSE(Find<TGraphXY>(*form, "GraphXY1")->HasOverlay());
}

class ShiftStroke : public PlayedOverlay {
protected:
    void SetUp() override
    {
        PlayedOverlay::SetUp();
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed17")); // flat at 128
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    }
    void move(int x, int y, Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y),
                          Find<TGraphXY>(*form, "GraphXY1")->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::RightButton,
                          modifiers);
        QApplication::sendEvent(Find<TGraphXY>(*form, "GraphXY1"), &event);
    }
};

// Pixel 100 is sample 552 (95 x 3200 / 551 = 551.7), pixel 400 sample 2294; row 100 is value
// 207, row 300 value 104 (256 - 295 x 256 / 496 = 103.7). The brush is 20 wide each side.
TEST_F(ShiftStroke, ShiftJoinsTheStampsWithAStraightLine)
{
    QTest::mousePress(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(100, 100));
    move(100, 100, Qt::NoModifier);
    move(400, 300, Qt::ShiftModifier);
    const dds::WaveformTable t = form->FrontPanel().State().table;
    EXPECT_EQ(t[531], 128);
    for (int i = 532; i <= 552; ++i)
        ASSERT_EQ(t[i], 207) << i;
    for (int i = 552; i <= 2294; ++i)
        ASSERT_EQ(t[i], std::nearbyint(207.0 - 103.0 * (i - 552) / 1742.0)) << i;
    for (int i = 2294; i <= 2314; ++i)
        ASSERT_EQ(t[i], 104) << i;
    EXPECT_EQ(t[2315], 128);
    QTest::mouseRelease(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(400, 300));
}

TEST_F(ShiftStroke, TheFirstSegmentStartsAtThePress)
{
    dds::WaveformTable expected = form->FrontPanel().State().table;
    dds::StampLine(expected, dds::StampAt(552, 20, 207), 2294, 20, 104);
    auto* plot = Find<TGraphXY>(*form, "GraphXY1");
    QTest::mousePress(plot, Qt::RightButton, {}, QPoint(100, 100));
    move(400, 300, Qt::ShiftModifier);
    EXPECT_EQ(form->FrontPanel().State().table, expected);
    QTest::mouseRelease(plot, Qt::RightButton, {}, QPoint(400, 300));
}

TEST_F(ShiftStroke, WithoutShiftFastMovesStillLeaveGaps)
{
    QTest::mousePress(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(100, 100));
    move(100, 100, Qt::NoModifier);
    move(400, 300, Qt::NoModifier);
    EXPECT_EQ(form->FrontPanel().State().table[1000], 128);
    EXPECT_EQ(form->FrontPanel().State().table[552], 207);
    EXPECT_EQ(form->FrontPanel().State().table[2294], 104);
    // A new stroke does not join the last one, even with Shift: it starts with a stamp.
    QTest::mouseRelease(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(400, 300));
    QTest::mousePress(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(100, 300));
    move(100, 300, Qt::ShiftModifier);
    EXPECT_EQ(form->FrontPanel().State().table[1000], 128);
    EXPECT_EQ(form->FrontPanel().State().table[552], 104);
    QTest::mouseRelease(Find<TGraphXY>(*form, "GraphXY1"), Qt::RightButton, {}, QPoint(100, 300));
}
