#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "editor/position_readout.h"
#include "panel/front_panel.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

namespace {

// Plot pixels of the main window: sample n lies at column 5 + n x 551 / 3200, value v at row
// 501 - v x 496 / 256.
constexpr int kColumnOfSample999 = 177;  // (177 - 5) x 3200 / 551 = 998.9
constexpr int kRowOfValue207 = 100;      // 256 - 95 x 256 / 496 = 206.97
constexpr int kRowOfValue128 = 253;

} // namespace

class DrawMode : public WaveformWindow {
protected:
    void SetUp() override
    {
        WaveformWindow::SetUp();
        ShowWindow();
        move(0, 0); // the pointer enters from the corner, whatever the last test left it at
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed17")); // flat at 128, so every stamp stands out
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    }
    void TearDown() override
    {
        if (held != Qt::NoButton) // QTest remembers held buttons from one test to the next
            release(0, 0, held);
        WaveformWindow::TearDown();
    }
    TGraphXY* plot() const { return Find<TGraphXY>(*form, "GraphXY1"); }
    QString readout() const { return Find<PanelStatusBar>(*form, "StatusBar1")->panelText(1); }
    void press(int x, int y, Qt::MouseButton button = Qt::RightButton)
    {
        QTest::mousePress(plot(), button, {}, QPoint(x, y));
        held = button;
    }
    void release(int x, int y, Qt::MouseButton button = Qt::RightButton)
    {
        QTest::mouseRelease(plot(), button, {}, QPoint(x, y));
        held = Qt::NoButton;
    }
    void move(int x, int y)
    {
        if (held != Qt::NoButton)
            return QTest::mouseMove(plot(), QPoint(x, y));
        // With no button held, QTest moves the system cursor and leaves the move to the platform,
        // which on Windows delivers it later; the window's own input path delivers it now.
        QWidget* top = plot()->window();
        QTest::mouseMove(top->windowHandle(), plot()->mapTo(top, QPoint(x, y)));
    }
    Qt::MouseButton held = Qt::NoButton;
    int samplesEqualTo(int32_t value) const
    {
        int count = 0;
        for (int n = 1; n <= 3200; ++n)
            count += table()[n] == value;
        return count;
    }
};

TEST_F(DrawMode, EnteringShowsTheDrawingControlsAndLocksTheRest)
{
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->Down());
    EXPECT_FALSE(Find<TDoubleSpeed>(*form, "DoubleSpeed17")->Down());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel8")->isHidden());
    EXPECT_FALSE(Find<TRxSlider>(*form, "RxSlider1")->isEnabled());
    for (int range = 1; range <= 7; ++range)
        EXPECT_FALSE(RangeButton(*form, range)->isEnabled()) << range;
    EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel10")->isHidden());
    EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton3")->Position(), 20);
    EXPECT_EQ(Find<QLabel>(*form, "Label29")->text(), "20");
    EXPECT_TRUE(Find<QToolButton>(*form, "SpeedButton9")->isEnabled());
    EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox1")->isEnabled());
    EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox6")->isEnabled());
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 10);
    EXPECT_EQ(samplesEqualTo(128), 3200) << "the table is not changed";
}

TEST_F(DrawMode, MovingShowsCursorsAndReadoutWithoutPainting)
{
    const dds::WaveformTable before = table();
    move(kColumnOfSample999, kRowOfValue207);
    EXPECT_EQ(readout(), "  X= 999  Y= 207");
    ASSERT_EQ(trace(2).size(), 2u);
    EXPECT_EQ(trace(2)[0].y, 207);
    EXPECT_EQ(trace(2)[1].x, 3200);
    ASSERT_EQ(trace(3).size(), 2u);
    EXPECT_DOUBLE_EQ(trace(3)[0].x, 172.0 * 3200.0 / 551.0) << "the vertical line stands unrounded";
    EXPECT_EQ(trace(3)[1].y, 256);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(plot()->Surface().pixelColor(300, kRowOfValue207), QColor(166, 202, 240));
}

TEST_F(DrawMode, HeldButtonStampsTheBrushAtTheValueUnderThePointer)
{
    press(kColumnOfSample999 + 1, kRowOfValue207);
    EXPECT_EQ(samplesEqualTo(128), 3200) << "the press itself writes nothing";
    move(kColumnOfSample999, kRowOfValue207);
    for (int n = 979; n <= 1019; ++n)
        ASSERT_EQ(table()[n], 207) << n;
    EXPECT_EQ(table()[978], 128);
    EXPECT_EQ(table()[1020], 128);
    EXPECT_EQ(samplesEqualTo(207), 41);
    EXPECT_TRUE(plotShowsTable());
    release(kColumnOfSample999, kRowOfValue207);
    const dds::WaveformTable drawn = table();
    move(kColumnOfSample999 + 50, kRowOfValue128);
    EXPECT_EQ(table(), drawn) << "released: no more painting";
}

TEST_F(DrawMode, BrushWidthFollowsTheKnob)
{
    Find<TJvDialButton>(*form, "JvDialButton3")->setPosition(3);
    EXPECT_EQ(Find<QLabel>(*form, "Label29")->text(), "3");
    EXPECT_EQ(Find<QLabel>(*form, "Label29")->x(),
              (Find<QFrame>(*form, "Panel10")->width() - Find<QLabel>(*form, "Label29")->width()) / 2);
    press(kColumnOfSample999, kRowOfValue207, Qt::LeftButton);
    move(kColumnOfSample999, kRowOfValue207 + 1);
    const int32_t value = table()[999];
    EXPECT_NE(value, 128);
    EXPECT_EQ(samplesEqualTo(value), 7);
    EXPECT_EQ(table()[996], value);
    EXPECT_EQ(table()[1002], value);
    Find<TJvDialButton>(*form, "JvDialButton3")->setPosition(90);
    move(kColumnOfSample999 + 100, kRowOfValue128 - 20);
    EXPECT_EQ(samplesEqualTo(table()[dds::NearestWhole(plot()->XFromPixel(kColumnOfSample999 + 100))]), 181);
}

TEST_F(DrawMode, EdgesOfThePlotAndValuesOutsideItAreLimited)
{
    press(2, 2);
    move(1, 0); // left of and above the frame: sample number -23, value 259
    EXPECT_EQ(readout(), "  X= 0  Y= 255");
    for (int n = 1; n <= 40; ++n)
        ASSERT_EQ(table()[n], 255) << n;
    EXPECT_EQ(table()[41], 128);
    move(560, 505); // right of and below the frame
    EXPECT_EQ(readout(), "  X= 3200  Y= 0");
    for (int n = 3160; n <= 3200; ++n)
        ASSERT_EQ(table()[n], 0) << n;
    EXPECT_EQ(table()[3159], 128);
    move(5, 5); // the far left column and the top row of the frame
    EXPECT_EQ(readout(), "  X= 0  Y= 255");
    EXPECT_EQ(table()[1], 255);
}

TEST_F(DrawMode, LeavingRemovesTheCursorsAndKeepsTheDrawing)
{
    press(kColumnOfSample999 + 1, kRowOfValue207);
    move(kColumnOfSample999, kRowOfValue207);
    release(kColumnOfSample999, kRowOfValue207);
    const dds::WaveformTable drawn = table();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    EXPECT_FALSE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->Down());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel8")->isHidden());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel10")->isHidden());
    EXPECT_TRUE(Find<TRxSlider>(*form, "RxSlider1")->isEnabled());
    for (int range = 1; range <= 7; ++range)
        EXPECT_TRUE(RangeButton(*form, range)->isEnabled()) << range;
    EXPECT_FALSE(Find<QToolButton>(*form, "SpeedButton9")->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>(*form, "GroupBox1")->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>(*form, "GroupBox6")->isEnabled());
    EXPECT_TRUE(trace(2).empty());
    EXPECT_TRUE(trace(3).empty());
    EXPECT_EQ(readout(), QString(25, ' '));
    EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden()) << "until a preset is chosen";
    EXPECT_EQ(table(), drawn);
    EXPECT_NE(plot()->Surface().pixelColor(300, kRowOfValue207), QColor(166, 202, 240));
    move(kColumnOfSample999, kRowOfValue128);
    EXPECT_TRUE(trace(2).empty()) << "no cursor outside draw mode";
}

TEST_F(DrawMode, ClearingFlattensTheTableAndStaysInDrawMode)
{
    press(kColumnOfSample999 + 1, kRowOfValue207);
    move(kColumnOfSample999, kRowOfValue207);
    release(kColumnOfSample999, kRowOfValue207);
    click(Find<QToolButton>(*form, "SpeedButton9"));
    EXPECT_EQ(samplesEqualTo(128), 3200);
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 10);
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->Down());
    EXPECT_FALSE(Find<TDoubleSpeed>(*form, "DoubleSpeed17")->Down());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel8")->isHidden());
    EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox1")->isEnabled());
    EXPECT_EQ(trace(1).size(), 2u) << "the centre line is drawn again";
    press(kColumnOfSample999 + 1, kRowOfValue207);
    move(kColumnOfSample999, kRowOfValue207);
    EXPECT_EQ(samplesEqualTo(207), 41);
}

TEST_F(DrawMode, PresetDuringDrawModeLeavesTheRestOfDrawModeInPlace)
{
    move(kColumnOfSample999, kRowOfValue207);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    EXPECT_FALSE(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->Down());
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 1);
    EXPECT_FALSE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel8")->isHidden());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel10")->isHidden());
    EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox1")->isEnabled());
    EXPECT_EQ(trace(2).size(), 2u) << "the cursor lines stay";
    const dds::WaveformTable sine = table();
    press(kColumnOfSample999 + 1, kRowOfValue207);
    move(kColumnOfSample999, kRowOfValue207);
    EXPECT_EQ(table(), sine);
    EXPECT_EQ(trace(2)[0].y, 207);
}

TEST_F(WaveformWindow, PressOutsideDrawModePaintsNothing)
{
    ShowWindow();
    const dds::WaveformTable before = table();
    QTest::mousePress(Find<TGraphXY>(*form, "GraphXY1"), Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(Find<TGraphXY>(*form, "GraphXY1"), QPoint(220, 200));
    EXPECT_EQ(table(), before);
    EXPECT_TRUE(trace(2).empty());
    QTest::mouseRelease(Find<TGraphXY>(*form, "GraphXY1"), Qt::LeftButton, {}, QPoint(220, 200));
    EXPECT_EQ(table(), before);
}
