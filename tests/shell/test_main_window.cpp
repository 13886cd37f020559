#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "panel/front_panel.h"
#include "shell/unit1.h"
#include "test_services.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<TForm1>(services.For()); }
    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
    }

    QString display() const { return Find<QLabel>(*form, "Label10")->text(); }
    bool displayCentred() const
    {
        return Find<QLabel>(*form, "Label10")->x() == (Find<QFrame>(*form, "Panel3")->width() - Find<QLabel>(*form, "Label10")->width()) / 2;
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    RecordedServices services;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, StartsInTheTenKilohertzRangeAtItsLowestFrequency)
{
    EXPECT_EQ(display(), "1000 Hz");
    EXPECT_TRUE(displayCentred());
    EXPECT_EQ(form->FrontPanel().State().range, 5);
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 3200);
    EXPECT_DOUBLE_EQ(form->FrontPanel().State().playedHertz, 1000.0) << "the range clock is 3.2 MHz";
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->MinValue(), 0);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->MaxValue(), 90);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Increment(), 1);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Value(), 0);
    for (int range = 1; range <= 7; ++range) {
        const QByteArray name = "DoubleSpeed" + QByteArray::number(range);
        EXPECT_EQ(Find<TDoubleSpeed>(*form, name.constData())->Down(), range == 5) << "range button " << range;
    }
    EXPECT_FALSE(Find<QLabel>(*form, "Label13")->isVisibleTo(form.get()));
    EXPECT_TRUE(Find<QLabel>(*form, "Label13")->text().startsWith("Freq:= 1000 - Nbre Echanti= 3200"));
}

TEST_F(MainWindow, StartsNotConnectedWithTheOffsetGroupLocked)
{
    EXPECT_FALSE(form->FrontPanel().Connected());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get()));
    EXPECT_TRUE(Find<QFrame>(*form, "Panel1")->isVisibleTo(form.get()));
    EXPECT_FALSE(Find<QFrame>(*form, "Panel9")->isVisibleTo(form.get()));
    EXPECT_FALSE(Find<QGroupBox>(*form, "GroupBox6")->isEnabled());
    EXPECT_TRUE(Find<QGroupBox>(*form, "GroupBox3")->isEnabled());
}

TEST_F(MainWindow, TimersHaveTheirIntervalsAndOnlyTheNoiseTimerIsOff)
{
    EXPECT_EQ(Find<QTimer>(*form, "Timer1")->interval(), 1000);
    EXPECT_EQ(Find<QTimer>(*form, "Timer2")->interval(), 100);
    EXPECT_EQ(Find<QTimer>(*form, "Timer3")->interval(), 1000);
    EXPECT_EQ(Find<QTimer>(*form, "Timer4")->interval(), 100);
    EXPECT_TRUE(Find<QTimer>(*form, "Timer1")->isActive());
    EXPECT_TRUE(Find<QTimer>(*form, "Timer2")->isActive());
    EXPECT_TRUE(Find<QTimer>(*form, "Timer3")->isActive());
    EXPECT_FALSE(Find<QTimer>(*form, "Timer4")->isActive());
}

TEST_F(MainWindow, StartUpPictureLocksTheGroupsAndToolbarForTwentyTicks)
{
    QWidget* const locked[] = {Find<QGroupBox>(*form, "GroupBox3"), Find<QGroupBox>(*form, "GroupBox6"), Find<QGroupBox>(*form, "GroupBox1"), Find<QGroupBox>(*form, "GroupBox5"), Find<QToolBar>(*form, "ToolBar1")};
    for (int tick = 1; tick < 20; ++tick) {
        Tick(Find<QTimer>(*form, "Timer2"));
        for (QWidget* widget : locked)
            ASSERT_FALSE(widget->isEnabled()) << widget->objectName().toStdString() << " at tick " << tick;
    }
    EXPECT_TRUE(Find<QTimer>(*form, "Timer2")->isActive());
    Tick(Find<QTimer>(*form, "Timer2"));
    EXPECT_FALSE(Find<QTimer>(*form, "Timer2")->isActive());
    for (QWidget* widget : locked)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    EXPECT_TRUE(Find<QFrame>(*form, "Panel11")->isVisibleTo(form.get())) << "the overlay stays without a generator";
}

TEST_F(MainWindow, ClockTickWritesTimeAndDateIntoTheirPanels)
{
    services.now = QDateTime({2026, 12, 31}, {23, 59, 59});
    Tick(Find<QTimer>(*form, "Timer3"));
    EXPECT_EQ(Find<PanelStatusBar>(*form, "StatusBar1")->panelText(2), "  23:59:59  ");
    EXPECT_EQ(Find<PanelStatusBar>(*form, "StatusBar1")->panelText(3), "  31/12/2026  ");
    services.now = QDateTime({2026, 3, 1}, {9, 5, 0});
    Tick(Find<QTimer>(*form, "Timer3"));
    EXPECT_EQ(Find<PanelStatusBar>(*form, "StatusBar1")->panelText(2), "  9:05:00  ");
    EXPECT_EQ(Find<PanelStatusBar>(*form, "StatusBar1")->panelText(3), "  01/03/2026  ");
}

TEST_F(MainWindow, RangeButtonsRecomputeFromTheSamePosition)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed3"));
    EXPECT_EQ(display(), "10 Hz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 3200);
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed3")->Down());
    EXPECT_FALSE(Find<TDoubleSpeed>(*form, "DoubleSpeed5")->Down());
    EXPECT_TRUE(displayCentred());

    click(Find<TDoubleSpeed>(*form, "DoubleSpeed1"));
    EXPECT_EQ(display(), "0.10 Hz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 3200);
    EXPECT_TRUE(displayCentred());

    Find<TRxSlider>(*form, "RxSlider1")->setValue(90);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed6"));
    EXPECT_EQ(display(), "100 kHz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 160);
    EXPECT_EQ(form->FrontPanel().State().range, 6);
    EXPECT_TRUE(displayCentred());
}

TEST_F(MainWindow, ClickingTheRangeButtonAlreadyDownKeepsItDown)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed5"));
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed5")->Down());
    EXPECT_EQ(form->FrontPanel().State().range, 5);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed5"));
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed5")->Down());
    EXPECT_EQ(display(), "1000 Hz");
}

TEST_F(MainWindow, SliderMovesRecomputeTheDisplayAndCount)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed7"));
    const struct {
        int position;
        const char* text;
        int count;
    } cases[] = {{40, "500 kHz", 64}, {41, "550 kHz", 58}, {47, "550 kHz", 58}, {48, "600 kHz", 53},
                 {90, "1000 kHz", 32}};
    for (const auto& c : cases) {
        Find<TRxSlider>(*form, "RxSlider1")->setValue(c.position);
        EXPECT_EQ(display(), c.text) << "position " << c.position;
        EXPECT_EQ(form->FrontPanel().State().sampleCount, c.count) << "position " << c.position;
        EXPECT_TRUE(displayCentred()) << "position " << c.position;
    }
}

TEST_F(MainWindow, MinusAndPlusStepAndStopAtTheBounds)
{
    click(Find<QToolButton>(*form, "SpeedButton11"));
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Value(), 0);
    EXPECT_EQ(display(), "1000 Hz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 3200);

    click(Find<QToolButton>(*form, "SpeedButton12"));
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Value(), 1);
    EXPECT_EQ(display(), "1100 Hz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 2909);

    Find<TRxSlider>(*form, "RxSlider1")->setValue(90);
    click(Find<QToolButton>(*form, "SpeedButton12"));
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Value(), 90);
    EXPECT_EQ(display(), "10000 Hz");
    EXPECT_EQ(form->FrontPanel().State().sampleCount, 320);

    click(Find<QToolButton>(*form, "SpeedButton11"));
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->Value(), 89);
    EXPECT_EQ(display(), "9900 Hz");
}

TEST_F(MainWindow, SampleNumberGridHoldsEveryIndex)
{
    QTableWidget* grid = Find<QTableWidget>(*form, "StringGrid1");
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->rowCount(), 3201);
    EXPECT_EQ(grid->rowHeight(0), 15);
    EXPECT_EQ(grid->rowHeight(3200), 15);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(grid->columnWidth(column), 30);
    EXPECT_EQ(grid->item(0, 0), nullptr);
    EXPECT_EQ(grid->item(1, 0)->text(), "1");
    EXPECT_EQ(grid->item(1600, 0)->text(), "1600");
    EXPECT_EQ(grid->item(3200, 0)->text(), "3200");
}

} // namespace
