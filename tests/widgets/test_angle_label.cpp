#include <QFontMetrics>
#include <gtest/gtest.h>

#include "widgets/ant_angle_label.h"

namespace {

TEST(AngleDirection, SnapsByTheDesignRule)
{
    EXPECT_EQ(dds::angleDirectionOf(0), adEast);
    EXPECT_EQ(dds::angleDirectionOf(21), adEast);
    EXPECT_EQ(dds::angleDirectionOf(22), adNothEast); // (22 + 23) div 45
    EXPECT_EQ(dds::angleDirectionOf(90), adNoth);
    EXPECT_EQ(dds::angleDirectionOf(201), adWest);
    EXPECT_EQ(dds::angleDirectionOf(202), adSouthWest);
    EXPECT_EQ(dds::angleDirectionOf(270), adSouth);
    EXPECT_EQ(dds::angleDirectionOf(336), adSouthEast);
    EXPECT_EQ(dds::angleDirectionOf(337), adEast);
    EXPECT_EQ(dds::angleDirectionOf(450), adNoth);
    EXPECT_EQ(dds::angleDirectionOf(-90), adSouth);
    EXPECT_EQ(dds::angleDirectionOf(-360), adEast);
    EXPECT_EQ(dds::degreesOf(adSouthEast), 315);
}

TEST(AngleLabel, AngleSnapsAndTheLabelTakesTheTurnedSize)
{
    TantAngleLabel label;
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(12);
    label.setFont(font);
    label.setCaption("Position");
    const QFontMetrics metrics(font);
    const QSize flat(metrics.horizontalAdvance("Position"), metrics.height());
    EXPECT_EQ(label.size(), flat);

    label.setAngle(95);
    EXPECT_EQ(label.Angle(), 90);
    EXPECT_EQ(label.AngleDirection(), adNoth);
    EXPECT_EQ(label.size(), flat.transposed());

    label.setAngleDirection(adNothEast);
    EXPECT_EQ(label.Angle(), 45);
    EXPECT_GT(label.width(), flat.width() / 2);
    EXPECT_GT(label.height(), flat.height());
}

TEST(AngleLabel, TurnedTextIsDrawnInsideTheLabel)
{
    TantAngleLabel label;
    label.setAngle(90);
    label.setCaption("Position");
    QImage image = label.grab().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(inked, 20);
}

} // namespace
