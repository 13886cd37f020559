#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "widgets/gauge_fill.h"
#include "widgets/graphic_gauge.h"

namespace {

TEST(GaugeArithmetic, PercentIsTruncatedAndZeroForAnEmptyRange)
{
    EXPECT_EQ(dds::gaugePercent(1, 0, 3), 33);
    EXPECT_EQ(dds::gaugePercent(2, 0, 3), 66);
    EXPECT_EQ(dds::gaugePercent(34, 0, 34), 100);
    EXPECT_EQ(dds::gaugePercent(5, 5, 5), 0);
    EXPECT_EQ(dds::gaugePercent(-5, -10, 10), 25);
    EXPECT_EQ(dds::gaugeFillWidth(66, 423), 279);
    EXPECT_EQ(dds::gaugeFillWidth(100, 423), 423);
}

QPixmap solid(const QColor& color)
{
    QPixmap bitmap(4, 4);
    bitmap.fill(color);
    return bitmap;
}

class Gauge : public ::testing::Test {
protected:
    void SetUp() override
    {
        gauge.resize(425, 17);
    }
    QImage picture() { return gauge.grab().toImage(); }

    TGraphicGauge gauge;
    QSignalSpy changes{&gauge, &TGraphicGauge::OnChange};
};

TEST_F(Gauge, DefaultsMatchTheDesign)
{
    TGraphicGauge fresh;
    EXPECT_EQ(fresh.MinValue(), 0);
    EXPECT_EQ(fresh.MaxValue(), 100);
    EXPECT_EQ(fresh.Progress(), 0);
    EXPECT_EQ(fresh.Kind(), 3);
    EXPECT_EQ(fresh.size(), QSize(100, 16));
}

TEST_F(Gauge, ProgressIsClampedFiresAndSetsTheHint)
{
    gauge.setMaxValue(34);
    gauge.setProgress(50);
    EXPECT_EQ(gauge.Progress(), 34);
    EXPECT_EQ(gauge.toolTip(), "34");
    gauge.setProgress(-1);
    EXPECT_EQ(gauge.Progress(), 0);
    EXPECT_EQ(gauge.toolTip(), "0");
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(Gauge, FillWidthFollowsTheWholePercent)
{
    gauge.setMaxValue(3);
    gauge.setProgress(2);
    EXPECT_EQ(gauge.PercentDone(), 66);
    EXPECT_EQ(gauge.FillWidth(), 66 * 423 / 100);
}

TEST_F(Gauge, InvertedRangeIsRefusedAndNarrowingPullsTheProgressIn)
{
    gauge.setProgress(80);
    try {
        gauge.setMinValue(101);
        FAIL() << "a minimum above the maximum was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("La valeur doit être comprise entre ", 0), 0u);
    }
    EXPECT_THROW(gauge.setMaxValue(-1), std::runtime_error);
    gauge.setMaxValue(50);
    EXPECT_EQ(gauge.Progress(), 50);
    gauge.setMinValue(50);
    EXPECT_EQ(gauge.PercentDone(), 0);
    EXPECT_EQ(gauge.FillWidth(), 0);
}

TEST_F(Gauge, PaintsFillOverBackgroundInsideA3DBorder)
{
    gauge.setBrosse(solid(Qt::blue));
    gauge.setFond(solid(Qt::yellow));
    gauge.setProgress(50);
    const QImage image = picture();
    const int fillEnd = 1 + gauge.FillWidth();
    EXPECT_EQ(image.pixelColor(1, 8), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(fillEnd - 1, 8), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(fillEnd, 8), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(200, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(200, 16), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(424, 8), QColor(Qt::white));
}

TEST_F(Gauge, WithoutBitmapsFillsBlackOnWhite)
{
    gauge.setProgress(10);
    const QImage image = picture();
    EXPECT_EQ(image.pixelColor(2, 8), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(300, 8), QColor(Qt::white));
}

TEST_F(Gauge, OnlyTheHorizontalKindIsAccepted)
{
    EXPECT_NO_THROW(gauge.setKind(3));
    EXPECT_THROW(gauge.setKind(1), std::runtime_error);
}

} // namespace
