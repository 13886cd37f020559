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

#include "shell/unit1.h"
#include "test_services.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<TForm1>(services.For()); }
    void TearDown() override
    {
        form.reset();
        EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
    }

    QString display() const { return form->Label10->text(); }
    bool displayCentred() const
    {
        return form->Label10->x() == (form->Panel3->width() - form->Label10->width()) / 2;
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    RecordedServices services;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, StartsInTheTenKilohertzRangeAtItsLowestFrequency)
{
    EXPECT_EQ(display(), "1000 Hz");
    EXPECT_TRUE(displayCentred());
    EXPECT_EQ(form->state.rangeNumber, 5);
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 3200);
    EXPECT_EQ(form->state.frequencyPlan.rangeClock, 3200000);
    EXPECT_EQ(form->RxSlider1->MinValue(), 0);
    EXPECT_EQ(form->RxSlider1->MaxValue(), 90);
    EXPECT_EQ(form->RxSlider1->Increment(), 1);
    EXPECT_EQ(form->RxSlider1->Value(), 0);
    const auto ranges = form->rangeButtons();
    for (std::size_t i = 0; i < ranges.size(); ++i)
        EXPECT_EQ(ranges[i]->Down(), i == 4) << "range button " << i + 1;
    EXPECT_FALSE(form->Label13->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Label13->text().startsWith("Freq:= 1000 - Nbre Echanti= 3200"));
}

TEST_F(MainWindow, StartsNotConnectedWithTheOffsetGroupLocked)
{
    EXPECT_EQ(form->state.connectedFlag, 0);
    EXPECT_TRUE(form->Panel11->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Panel1->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Panel9->isVisibleTo(form.get()));
    EXPECT_FALSE(form->GroupBox6->isEnabled());
    EXPECT_TRUE(form->GroupBox3->isEnabled());
    EXPECT_TRUE(form->state.workBitmap1.has_value());
    EXPECT_FALSE(form->state.workBitmap2.has_value());
}

TEST_F(MainWindow, TimersHaveTheirIntervalsAndOnlyTheNoiseTimerIsOff)
{
    EXPECT_EQ(form->Timer1->interval(), 1000);
    EXPECT_EQ(form->Timer2->interval(), 100);
    EXPECT_EQ(form->Timer3->interval(), 1000);
    EXPECT_EQ(form->Timer4->interval(), 100);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_TRUE(form->Timer3->isActive());
    EXPECT_FALSE(form->Timer4->isActive());
    EXPECT_EQ(form->state.pictureTickCounter, 0);
}

TEST_F(MainWindow, AcknowledgementTickOnlyCounts)
{
    const int32_t before = form->generatorHolder.AcknowledgementCount();
    form->Timer1Timer();
    EXPECT_EQ(form->generatorHolder.AcknowledgementCount(), before + 1);
}

TEST_F(MainWindow, StartUpPictureLocksTheGroupsAndToolbarForTwentyTicks)
{
    QWidget* const locked[] = {form->GroupBox3, form->GroupBox6, form->GroupBox1, form->GroupBox5, form->ToolBar1};
    for (int tick = 1; tick < TForm1::kPictureTicks; ++tick) {
        form->Timer2Timer();
        for (QWidget* widget : locked)
            ASSERT_FALSE(widget->isEnabled()) << widget->objectName().toStdString() << " at tick " << tick;
    }
    EXPECT_TRUE(form->Timer2->isActive());
    form->Timer2Timer();
    EXPECT_EQ(form->state.pictureTickCounter, TForm1::kPictureTicks);
    EXPECT_FALSE(form->Timer2->isActive());
    for (QWidget* widget : locked)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    EXPECT_TRUE(form->Panel11->isVisibleTo(form.get())) << "the overlay stays without a generator";
}

TEST_F(MainWindow, ClockTickWritesTimeAndDateIntoTheirPanels)
{
    form->setClockSource([] { return QDateTime({2026, 12, 31}, {23, 59, 59}); });
    form->Timer3Timer();
    EXPECT_EQ(form->StatusBar1->panelText(2), "  23:59:59  ");
    EXPECT_EQ(form->StatusBar1->panelText(3), "  31/12/2026  ");
    EXPECT_EQ(form->state.clockFields.secondText, "59");
    form->setClockSource([] { return QDateTime({2026, 3, 1}, {9, 5, 0}); });
    form->Timer3Timer();
    EXPECT_EQ(form->StatusBar1->panelText(2), "  9:05:00  ");
    EXPECT_EQ(form->StatusBar1->panelText(3), "  01/03/2026  ");
}

TEST_F(MainWindow, RangeButtonsRecomputeFromTheSamePosition)
{
    click(form->DoubleSpeed3);
    EXPECT_EQ(display(), "10 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 3200);
    EXPECT_TRUE(form->DoubleSpeed3->Down());
    EXPECT_FALSE(form->DoubleSpeed5->Down());
    EXPECT_TRUE(displayCentred());

    click(form->DoubleSpeed1);
    EXPECT_EQ(display(), "0.10 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 3200);
    EXPECT_TRUE(displayCentred());

    form->RxSlider1->setValue(90);
    click(form->DoubleSpeed6);
    EXPECT_EQ(display(), "100 kHz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 160);
    EXPECT_EQ(form->state.rangeNumber, 6);
    EXPECT_TRUE(displayCentred());
}

TEST_F(MainWindow, ClickingTheRangeButtonAlreadyDownKeepsItDown)
{
    click(form->DoubleSpeed5);
    EXPECT_TRUE(form->DoubleSpeed5->Down());
    EXPECT_EQ(form->state.rangeNumber, 5);
    click(form->DoubleSpeed5);
    EXPECT_TRUE(form->DoubleSpeed5->Down());
    EXPECT_EQ(display(), "1000 Hz");
}

TEST_F(MainWindow, SliderMovesRecomputeTheDisplayAndCount)
{
    click(form->DoubleSpeed7);
    const struct {
        int position;
        const char* text;
        int count;
    } cases[] = {{40, "500 kHz", 64}, {41, "550 kHz", 58}, {47, "550 kHz", 58}, {48, "600 kHz", 53},
                 {90, "1000 kHz", 32}};
    for (const auto& c : cases) {
        form->RxSlider1->setValue(c.position);
        EXPECT_EQ(display(), c.text) << "position " << c.position;
        EXPECT_EQ(form->state.frequencyPlan.sampleCount, c.count) << "position " << c.position;
        EXPECT_TRUE(displayCentred()) << "position " << c.position;
    }
}

TEST_F(MainWindow, MinusAndPlusStepAndStopAtTheBounds)
{
    click(form->SpeedButton11);
    EXPECT_EQ(form->RxSlider1->Value(), 0);
    EXPECT_EQ(display(), "1000 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 3200);

    click(form->SpeedButton12);
    EXPECT_EQ(form->RxSlider1->Value(), 1);
    EXPECT_EQ(display(), "1100 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 2909);

    form->RxSlider1->setValue(90);
    click(form->SpeedButton12);
    EXPECT_EQ(form->RxSlider1->Value(), 90);
    EXPECT_EQ(display(), "10000 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 320);

    click(form->SpeedButton11);
    EXPECT_EQ(form->RxSlider1->Value(), 89);
    EXPECT_EQ(display(), "9900 Hz");
}

TEST_F(MainWindow, WithoutARangeASliderChangeComputesNothing)
{
    form->state.rangeNumber = 0;
    form->RxSlider1->setValue(45);
    EXPECT_EQ(display(), "1000 Hz");
    EXPECT_EQ(form->state.frequencyPlan.sampleCount, 3200);
}

TEST_F(MainWindow, SampleNumberGridHoldsEveryIndex)
{
    QTableWidget* grid = form->StringGrid1;
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
