#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "active_window.h"
#include "event_waits.h"

#include "widgets/rx_slider.h"
#include "widgets/slider_geometry.h"

namespace {

TEST(SliderArithmetic, StepRoundsToTheIncrementTiesToEven)
{
    EXPECT_EQ(dds::sliderStep(5, true, 0, 100, 10), 10);   // nearest(0.5) = 0
    EXPECT_EQ(dds::sliderStep(15, true, 0, 100, 10), 30);  // nearest(1.5) = 2
    EXPECT_EQ(dds::sliderStep(25, false, 0, 100, 10), 10); // nearest(2.5) = 2
    EXPECT_EQ(dds::sliderStep(-3, false, -256, 256, 1), -4);
    EXPECT_EQ(dds::sliderStep(95, true, 0, 100, 10), 100);
    EXPECT_EQ(dds::sliderStep(2, false, 0, 100, 10), 0);
}

TEST(SliderArithmetic, OffsetMapsToNearestValue)
{
    EXPECT_EQ(dds::sliderValueAtOffset(0, 282, 0, 90, 1, true), 0);
    EXPECT_EQ(dds::sliderValueAtOffset(282, 282, 0, 90, 1, true), 90);
    EXPECT_EQ(dds::sliderValueAtOffset(141, 282, 0, 90, 1, true), 45);
    EXPECT_EQ(dds::sliderValueAtOffset(1, 200, 0, 100, 10, true), 0);  // 0.5 to even
    EXPECT_EQ(dds::sliderValueAtOffset(3, 200, 0, 100, 10, true), 2);  // 1.5 to even
    EXPECT_EQ(dds::sliderValueAtOffset(34, 200, 0, 100, 10, true), 17);
    EXPECT_EQ(dds::sliderValueAtOffset(34, 200, 0, 100, 10, false), 20);
    EXPECT_EQ(dds::sliderValueAtOffset(63, 126, -256, 256, 1, true), 0);
    EXPECT_EQ(dds::sliderValueAtOffset(5, 0, 7, 9, 1, true), 7);
}

TEST(SliderArithmetic, OffsetOfValueIsTheInverse)
{
    for (int value : {0, 1, 44, 45, 89, 90})
        EXPECT_EQ(dds::sliderValueAtOffset(dds::sliderOffsetOfValue(value, 282, 0, 90), 282, 0, 90, 1, true), value);
}

class Slider : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider.resize(293, 41);
        slider.setMaxValue(90);
        slider.setIncrement(1);
        ASSERT_TRUE(showActive(slider));
        changes.clear();
    }
    // Horizontal pointer position whose thumb offset gives the value.
    QPoint pointAtValue(int value) const
    {
        const int offset = dds::sliderOffsetOfValue(value, slider.railLength(), slider.MinValue(), slider.MaxValue());
        return {offset + slider.thumbRect().width() / 2, slider.height() / 2};
    }

    TRxSlider slider;
    QSignalSpy changes{&slider, &TRxSlider::OnChange};
    QSignalSpy ended{&slider, &TRxSlider::OnChanged};
};

TEST(SliderDefaults, MatchTheDesign)
{
    TRxSlider slider;
    EXPECT_EQ(slider.MinValue(), 0);
    EXPECT_EQ(slider.MaxValue(), 100);
    EXPECT_EQ(slider.Increment(), 10);
    EXPECT_EQ(slider.Orientation(), soHorizontal);
    EXPECT_EQ(slider.Options(), TSliderOptions(soShowFocus) | soShowPoints | soSmooth);
    EXPECT_EQ(slider.size(), QSize(150, 40));
}

TEST_F(Slider, ValueIsClampedAndChangeFiresOnlyOnANewValue)
{
    slider.setValue(0);
    EXPECT_EQ(changes.count(), 0);
    slider.setValue(200);
    EXPECT_EQ(slider.Value(), 90);
    EXPECT_EQ(changes.count(), 1);
    slider.setValue(91);
    EXPECT_EQ(changes.count(), 1);
    slider.setValue(-5);
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(ended.count(), 0);
}

TEST_F(Slider, NarrowingTheRangePullsTheValueIn)
{
    slider.setValue(80);
    changes.clear();
    slider.setMaxValue(50);
    EXPECT_EQ(slider.Value(), 50);
    EXPECT_EQ(changes.count(), 1);
    slider.setMinValue(-256);
    slider.setMinValue(60);
    EXPECT_EQ(slider.MaxValue(), 60);
    EXPECT_EQ(slider.Value(), 60);
}

TEST_F(Slider, IncrementOutsideTheSpanIsRefused)
{
    try {
        slider.setIncrement(0);
        FAIL() << "increment 0 was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "La valeur doit être comprise entre 1 et 90");
    }
    EXPECT_THROW(slider.setIncrement(91), std::runtime_error);
    EXPECT_NO_THROW(slider.setIncrement(90));
    EXPECT_EQ(slider.Increment(), 90);
}

TEST_F(Slider, KeysStepAndEndEachActionWithChanged)
{
    slider.setFocus();
    slider.setValue(10);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 11);
    QTest::keyClick(&slider, Qt::Key_Left);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 9);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.Value(), 90);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 90);
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_EQ(ended.count(), 6);
    QTest::keyClick(&slider, Qt::Key_Up); // not a step key on a horizontal slider
    QTest::keyClick(&slider, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_EQ(ended.count(), 6);
}

TEST_F(Slider, VerticalKeysUseUpAndDown)
{
    slider.setOrientation(soVertical);
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.Value(), 1);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.Value(), 1);
    QTest::keyClick(&slider, Qt::Key_Down);
    EXPECT_EQ(slider.Value(), 0);
}

TEST_F(Slider, DraggingTheThumbChangesOnTheWayAndEndsOnRelease)
{
    slider.setValue(10);
    changes.clear();
    const QPoint grip = slider.thumbRect().center();
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_TRUE(slider.hasFocus());
    EXPECT_EQ(slider.Value(), 10);
    QTest::mouseMove(&slider, pointAtValue(40));
    EXPECT_EQ(slider.Value(), 40);
    QTest::mouseMove(&slider, pointAtValue(41));
    EXPECT_EQ(slider.Value(), 41);
    QTest::mouseMove(&slider, QPoint(slider.width() + 50, grip.y()));
    EXPECT_EQ(slider.Value(), 90);
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(ended.count(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider.width() + 50, grip.y()));
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(Slider, DraggingWithoutSmoothSnapsToTheIncrement)
{
    slider.setIncrement(10);
    slider.setOptions(soShowFocus);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, slider.thumbRect().center());
    QTest::mouseMove(&slider, pointAtValue(37));
    EXPECT_EQ(slider.Value(), 40);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, pointAtValue(37));
}

TEST_F(Slider, VerticalDragMeasuresFromTheBottom)
{
    TRxSlider vertical;
    vertical.setOrientation(soVertical);
    vertical.resize(25, 137);
    vertical.setMinValue(-256);
    vertical.setMaxValue(256);
    vertical.setValue(-256);
    vertical.show();
    EXPECT_EQ(vertical.thumbRect().bottom(), vertical.height() - 1);
    const QPoint grip = vertical.thumbRect().center();
    QTest::mousePress(&vertical, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(&vertical, QPoint(grip.x(), -20));
    EXPECT_EQ(vertical.Value(), 256);
    QTest::mouseMove(&vertical, QPoint(grip.x(), vertical.height() / 2));
    EXPECT_NEAR(vertical.Value(), 0, 5);
    QTest::mouseRelease(&vertical, Qt::LeftButton, Qt::NoModifier, QPoint(grip.x(), vertical.height() / 2));
}

TEST_F(Slider, RailPressStepsTowardsThePointerAndRepeats)
{
    slider.setValue(45);
    changes.clear();
    const QPoint rightOfThumb(slider.width() - 3, slider.height() / 2);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, rightOfThumb);
    EXPECT_EQ(slider.Value(), 46);
    EXPECT_EQ(ended.count(), 0);
    ASSERT_TRUE(dds::test::WaitFor("the press to repeat", [this] { return slider.Value() != 46; }));
    EXPECT_EQ(slider.Value(), 47);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, rightOfThumb);
    EXPECT_EQ(ended.count(), 1);
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(2, slider.height() / 2));
    EXPECT_EQ(slider.Value(), 46);
    EXPECT_EQ(ended.count(), 2);
}

TEST_F(Slider, ReleaseReportsTheMouseUp)
{
    QSignalSpy ups(&slider, &TRxSlider::OnMouseUp);
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, slider.thumbRect().center());
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(changes.count(), 0);
}

} // namespace
