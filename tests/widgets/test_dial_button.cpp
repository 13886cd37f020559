#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "active_window.h"
#include "event_waits.h"

#include "widgets/dial_geometry.h"
#include "widgets/jv_dial_button.h"

namespace {

using dds::DialRange;

TEST(DialArithmetic, PositionToAngleUsesIntegerDivision)
{
    const DialRange range{0, 100, 300, 3300};
    EXPECT_EQ(dds::dialPositionToAngle(range, 0), 300);
    EXPECT_EQ(dds::dialPositionToAngle(range, 100), 3300);
    EXPECT_EQ(dds::dialPositionToAngle(range, 33), 1290);
    const DialRange shape{1, 99, 300, 3300};
    EXPECT_EQ(dds::dialPositionToAngle(shape, 2), 300 + 3000 / 98); // 330, truncated from 330.6
}

TEST(DialArithmetic, AngleToPositionLimitsTheAngleFirst)
{
    const DialRange range{3, 90, 300, 3300};
    EXPECT_EQ(dds::dialAngleToPosition(range, 0), 3);
    EXPECT_EQ(dds::dialAngleToPosition(range, 299), 3);
    EXPECT_EQ(dds::dialAngleToPosition(range, 3600), 90);
    EXPECT_EQ(dds::dialAngleToPosition(range, 1800), 3 + 1500 * 87 / 3000);
}

TEST(DialArithmetic, EmptyRangesDoNotDivideByZero)
{
    EXPECT_EQ(dds::dialPositionToAngle({5, 5, 300, 3300}, 5), 300);
    EXPECT_EQ(dds::dialAngleToPosition({0, 100, 900, 900}, 2000), 0);
}

TEST(DialArithmetic, PointerAngleIsClockwiseFromDown)
{
    const int c = 36;
    EXPECT_EQ(dds::dialPointerAngle(c - 10, c, c, c), 900);  // left
    EXPECT_EQ(dds::dialPointerAngle(c, c - 10, c, c), 1800); // up
    EXPECT_EQ(dds::dialPointerAngle(c + 10, c, c, c), 2700); // right
    EXPECT_EQ(dds::dialPointerAngle(c + 10, c - 10, c, c), 2250);
    EXPECT_EQ(dds::dialPointerAngle(c - 10, c + 10, c, c), 450);
    // Just beside straight down: near 0 on the left, near 360 degrees on the right.
    EXPECT_EQ(dds::dialPointerAngle(c - 1, c + 30, c, c), 19);
    EXPECT_EQ(dds::dialPointerAngle(c + 1, c + 30, c, c), 3581);
    EXPECT_EQ(dds::dialPointerAngle(c, c, c, c), 1800);
}

TEST(DialArithmetic, StraightBelowReadsAsZero)
{
    EXPECT_EQ(dds::dialPointerAngle(36, 60, 36, 36), 0);
    EXPECT_EQ(dds::dialAngleToPosition({0, 100, 300, 3300}, dds::dialPointerAngle(36, 60, 36, 36)), 0);
}

TEST(DialArithmetic, CentralButtonIsASquareOfNineteenEitherSide)
{
    EXPECT_EQ(dds::dialCentre(25), 36);
    EXPECT_EQ(dds::dialButtonHalfSide(25, 20), 20);
    EXPECT_TRUE(dds::dialInCentralButton(36 + 19, 36 - 19, 25, 20));
    EXPECT_FALSE(dds::dialInCentralButton(36 + 20, 36, 25, 20));
    EXPECT_FALSE(dds::dialInCentralButton(36, 36 - 20, 25, 20));
}

class DialButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(showActive(dial));
        dial.setFocus();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&dial, key, modifiers);
    }
    QPoint at(int dx, int dy) const
    {
        const int c = dds::dialCentre(dial.Radius());
        return {c + dx, c + dy};
    }

    TJvDialButton dial;
    QSignalSpy changes{&dial, &TJvDialButton::OnChange};
};

TEST_F(DialButton, DefaultsMatchTheDesign)
{
    EXPECT_EQ(dial.Min(), 0);
    EXPECT_EQ(dial.Max(), 100);
    EXPECT_EQ(dial.Position(), 0);
    EXPECT_EQ(dial.MinAngle(), 300);
    EXPECT_EQ(dial.MaxAngle(), 3300);
    EXPECT_EQ(dial.RepeatDelay(), 400);
    EXPECT_EQ(dial.RepeatRate(), 100);
    EXPECT_EQ(dial.size(), QSize(73, 73));
}

TEST_F(DialButton, KeysStepAndClamp)
{
    dial.setPosition(50);
    press(Qt::Key_Up);
    EXPECT_EQ(dial.Position(), 51);
    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(dial.Position(), 53);
    press(Qt::Key_Left);
    press(Qt::Key_Down);
    EXPECT_EQ(dial.Position(), 51);
    press(Qt::Key_PageUp);
    EXPECT_EQ(dial.Position(), 53);
    press(Qt::Key_PageDown);
    EXPECT_EQ(dial.Position(), 51);
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(dial.Position(), 100);
    press(Qt::Key_Up);
    EXPECT_EQ(dial.Position(), 100);
    press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(dial.Position(), 0);
    press(Qt::Key_End);
    EXPECT_EQ(dial.Position(), 100);
    press(Qt::Key_Home);
    EXPECT_EQ(dial.Position(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(dial.Position(), 0);
}

TEST_F(DialButton, ChangeFiresOnlyWhenSomethingChanges)
{
    dial.setPosition(0);
    EXPECT_EQ(changes.count(), 0);
    dial.setPosition(150);
    EXPECT_EQ(dial.Position(), 100);
    EXPECT_EQ(changes.count(), 1);
    dial.setPosition(101);
    EXPECT_EQ(changes.count(), 1);
    press(Qt::Key_End);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(DialButton, EachChangedBoundFiresOnceEvenWhenThePositionStays)
{
    dial.setMin(3);
    EXPECT_EQ(dial.Position(), 3);
    EXPECT_EQ(changes.count(), 1);
    dial.setMax(90);
    EXPECT_EQ(changes.count(), 2);
    dial.setPosition(20);
    EXPECT_EQ(changes.count(), 3);
    dial.setMax(90);
    EXPECT_EQ(changes.count(), 3);
    dial.setMax(80);
    EXPECT_EQ(dial.Position(), 20);
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(DialButton, InvertedRangeIsRefused)
{
    dial.setPosition(40);
    try {
        dial.setMax(-1);
        FAIL() << "an upper bound below the lower one was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Propriété TJvDialButton hors limites");
    }
    EXPECT_THROW(dial.setMin(101), std::runtime_error);
    EXPECT_EQ(dial.Min(), 0);
    EXPECT_EQ(dial.Max(), 100);
    EXPECT_EQ(dial.Position(), 40);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(DialButton, DraggingFromTheCentralButtonFollowsThePointer)
{
    QTest::mousePress(&dial, Qt::LeftButton, Qt::NoModifier, at(0, 0));
    EXPECT_EQ(dial.Position(), 0);
    QTest::mouseMove(&dial, at(30, 0));
    EXPECT_EQ(dial.Position(), (2700 - 300) * 100 / 3000);
    QTest::mouseMove(&dial, at(0, -30));
    EXPECT_EQ(dial.Position(), 50);
    QTest::mouseMove(&dial, at(3, 30)); // in the gap, right of straight down
    EXPECT_EQ(dial.Position(), 100);
    QTest::mouseMove(&dial, at(-3, 30)); // in the gap, left of straight down
    EXPECT_EQ(dial.Position(), 0);
    QTest::mouseMove(&dial, at(0, 30)); // straight down
    EXPECT_EQ(dial.Position(), 0);
    QTest::mouseRelease(&dial, Qt::LeftButton, Qt::NoModifier, at(0, 30));
    QTest::mouseMove(&dial, at(30, 0));
    EXPECT_EQ(dial.Position(), 0);
}

TEST_F(DialButton, AClickTogglesOnAndOff)
{
    EXPECT_FALSE(dial.On());
    QTest::mouseClick(&dial, Qt::LeftButton, Qt::NoModifier, at(0, 0));
    EXPECT_TRUE(dial.On());
    QTest::mouseClick(&dial, Qt::LeftButton, Qt::NoModifier, at(0, 0));
    EXPECT_FALSE(dial.On());
    EXPECT_TRUE(dial.hasFocus());
}

TEST_F(DialButton, PressBesideStepsTowardsThePointer)
{
    dial.setPosition(50); // pointer straight up
    QTest::mouseClick(&dial, Qt::LeftButton, Qt::NoModifier, at(30, 0));
    EXPECT_EQ(dial.Position(), 51);
    QTest::mouseClick(&dial, Qt::LeftButton, Qt::ShiftModifier, at(-30, 0));
    EXPECT_EQ(dial.Position(), 49);
    QTest::mouseClick(&dial, Qt::LeftButton, Qt::ControlModifier, at(-30, 0));
    EXPECT_EQ(dial.Position(), 0);
}

TEST_F(DialButton, HeldPressRepeatsAndRereadsTheModifiers)
{
    Qt::KeyboardModifiers held = Qt::NoModifier;
    dial.setModifierSource([&held] { return held; });
    dial.setRepeatDelay(20);
    dial.setRepeatRate(20);
    dial.setPosition(10);
    QTest::mousePress(&dial, Qt::LeftButton, Qt::NoModifier, at(30, 0));
    EXPECT_EQ(dial.Position(), 11);
    held = Qt::ShiftModifier;
    const int before = dial.Position();
    ASSERT_TRUE(dds::test::WaitFor("a repeat with Shift held", [&] { return dial.Position() != before; }));
    EXPECT_EQ(dial.Position(), before + 2);
    held = Qt::ControlModifier;
    EXPECT_TRUE(
        dds::test::WaitFor("the repeats with Ctrl held to reach the end", [this] { return dial.Position() == 100; }))
        << "at " << dial.Position();
    QTest::mouseRelease(&dial, Qt::LeftButton, Qt::NoModifier, at(30, 0));
    dial.setPosition(10);
    QTest::qWait(80); // four repeat periods: a slow machine may hide a repeat, never invent one
    EXPECT_EQ(dial.Position(), 10);
}

TEST_F(DialButton, PointerGreysWhenDisabled)
{
    const auto showsRed = [this] {
        const QImage shot = dial.grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (const QColor pixel = shot.pixelColor(x, y);
                    pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80)
                    return true;
        return false;
    };
    EXPECT_TRUE(showsRed());
    dial.setEnabled(false); // as inside a disabled group
    EXPECT_FALSE(showsRed());
}

} // namespace
