#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "widgets/centring.h"

namespace {

TEST(Centring, TruncatesTowardZeroAndGoesNegativeWhenTooWide)
{
    EXPECT_EQ(dds::CentredLeft(345, 100), 122);
    EXPECT_EQ(dds::CentredLeft(100, 100), 0);
    EXPECT_EQ(dds::CentredLeft(100, 151), -25);
    EXPECT_EQ(dds::CentredLeft(100, 103), -1);
}

TEST(Centring, LabelTakesItsTextsWidthAndKeepsItsTop)
{
    QWidget container;
    container.resize(60, 40);
    QLabel label(&container);
    label.move(5, 17);
    dds::SetCentredText(label, QStringLiteral("a caption far wider than its container"), container);
    EXPECT_GT(label.width(), 60);
    EXPECT_EQ(label.x(), dds::CentredLeft(60, label.width()));
    EXPECT_LT(label.x(), 0);
    EXPECT_EQ(label.y(), 17);
}

} // namespace
