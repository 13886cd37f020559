#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "active_window.h"

#include "widgets/rx_spin_edit.h"
#include "widgets/spin_text.h"

namespace {

TEST(SpinText, WholeNumbersReadAsThemselvesAnythingElseAsTheMinimum)
{
    EXPECT_EQ(dds::spinValueOfText("15", 0, 0), 15);
    EXPECT_EQ(dds::spinValueOfText(" 12 ", 0, 0), 12);
    EXPECT_EQ(dds::spinValueOfText("-3", 0, 0), -3);
    EXPECT_EQ(dds::spinValueOfText("a", 0, 0), 0);
    EXPECT_EQ(dds::spinValueOfText("1a", 0, 0), 0);
    EXPECT_EQ(dds::spinValueOfText("", 0, 0), 0);
    EXPECT_EQ(dds::spinValueOfText("2.5", 0, 0), 0);
    EXPECT_EQ(dds::spinValueOfText("99999999999", 0, 0), 0);
    EXPECT_EQ(dds::spinValueOfText("x", 1, 9), 1);
    EXPECT_EQ(dds::spinValueOfText("40", 1, 9), 9);
}

class SpinEdit : public ::testing::Test {
protected:
    // Centre of one of the two step buttons, as the style lays them out.
    QPoint stepButton(QStyle::SubControl which) const
    {
        QStyleOptionSpinBox option;
        option.initFrom(&spin);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxEditField;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.frame = true;
        return spin.style()->subControlRect(QStyle::CC_SpinBox, &option, which, &spin).center();
    }

    void SetUp() override
    {
        ASSERT_TRUE(showActive(spin));
        spin.setFocus();
    }
    TRxSpinEdit spin;
    QSignalSpy changes{&spin, &TRxSpinEdit::OnChange};
};

TEST_F(SpinEdit, StartsAtZero)
{
    EXPECT_EQ(spin.Text(), "0");
    EXPECT_EQ(spin.Value(), 0);
}

TEST_F(SpinEdit, TypingALetterReadsAsTheMinimum)
{
    spin.setValue(15);
    spin.selectAll();
    QTest::keyClicks(&spin, "a");
    EXPECT_EQ(spin.Text(), "a");
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(SpinEdit, TypingDigitsFiresAtEveryChange)
{
    spin.selectAll();
    QTest::keyClicks(&spin, "27");
    EXPECT_EQ(spin.Value(), 27);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(SpinEdit, ArrowKeysAndStepsWriteTheNewValue)
{
    spin.setValue(15);
    changes.clear();
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "16");
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Value(), 14);
    EXPECT_EQ(changes.count(), 3);
    spin.setText("b");
    spin.stepBy(1);
    EXPECT_EQ(spin.Text(), "1");
}

TEST_F(SpinEdit, StepButtonsAddAndSubtractOne)
{
    spin.setText("x");
    changes.clear();
    QTest::mouseClick(&spin, Qt::LeftButton, Qt::NoModifier, stepButton(QStyle::SC_SpinBoxUp));
    EXPECT_EQ(spin.Text(), "1");
    QTest::mouseClick(&spin, Qt::LeftButton, Qt::NoModifier, stepButton(QStyle::SC_SpinBoxDown));
    QTest::mouseClick(&spin, Qt::LeftButton, Qt::NoModifier, stepButton(QStyle::SC_SpinBoxDown));
    EXPECT_EQ(spin.Text(), "-1");
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(SpinEdit, BoundsApplyOnlyWhenTheyDiffer)
{
    spin.setValue(-7);
    EXPECT_EQ(spin.Value(), -7);
    spin.setMinValue(1);
    spin.setMaxValue(20);
    spin.setValue(25);
    EXPECT_EQ(spin.Text(), "20");
    spin.stepBy(1);
    EXPECT_EQ(spin.Value(), 20);
}

} // namespace
