#include <gtest/gtest.h>

#include "editor/plot_mapping.h"

using dds::Pixel;
using dds::PlotGeometry;
using dds::PlotPoint;

namespace {

// The main window's plot: 561 x 506, margins 5, one division of 3200 by 256 from (0, 0).
PlotGeometry WindowPlot()
{
    PlotGeometry g;
    g.width = 561;
    g.height = 506;
    g.margeHaute = g.margeBasse = g.margeGauche = g.margeDroite = 5;
    g.xMin = g.yMin = 0;
    g.echX = 3200;
    g.echY = 256;
    g.nbXDiv = g.nbYDiv = 1;
    return g;
}

} // namespace

TEST(PlotMapping, WindowRowsOfKeyValues)
{
    const PlotGeometry g = WindowPlot();
    EXPECT_EQ(dds::PixelRow(g, 128), 253);
    EXPECT_EQ(dds::PixelRow(g, 255), 7);
    EXPECT_EQ(dds::PixelRow(g, 0), 501);
    EXPECT_EQ(dds::PixelRow(g, 256), 5);
}

TEST(PlotMapping, TiesGoToTheEvenPixel)
{
    const PlotGeometry g = WindowPlot();
    EXPECT_EQ(dds::PixelColumn(g, 0), 5);
    EXPECT_EQ(dds::PixelColumn(g, 3200), 556);
    EXPECT_EQ(dds::PixelColumn(g, 1600), 5 + 276); // 275.5
    EXPECT_EQ(dds::PixelRow(g, 8), 501 - 16);      // 15.5
    EXPECT_EQ(dds::PixelRow(g, 24), 501 - 46);     // 46.5: ties away from zero would give 47
}

TEST(PlotMapping, PixelToValueInvertsTheMapping)
{
    const PlotGeometry g = WindowPlot();
    EXPECT_DOUBLE_EQ(dds::ValueAtColumn(g, 5), 0.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtColumn(g, 556), 3200.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtColumn(g, 100), 95.0 * 3200.0 / 551.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtRow(g, 5), 256.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtRow(g, 501), 0.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtRow(g, 253), 256.0 - 248.0 * 256.0 / 496.0);
    for (int px : {5, 77, 300, 556})
        EXPECT_EQ(dds::PixelColumn(g, dds::ValueAtColumn(g, px)), px);
    for (int py : {5, 99, 253, 501})
        EXPECT_EQ(dds::PixelRow(g, dds::ValueAtRow(g, py)), py);
}

TEST(PlotMapping, WidgetDefaultsPutTheOriginMidway)
{
    const PlotGeometry g; // 320 x 320, margins 32, -500 + 10 x 100 each way
    EXPECT_EQ(dds::ValueToPixel(g, {0, 0}), (Pixel{160, 160}));
    EXPECT_EQ(dds::ValueToPixel(g, {-500, -500}), (Pixel{32, 288}));
    EXPECT_EQ(dds::ValueToPixel(g, {500, 500}), (Pixel{288, 32}));
}

TEST(PlotMapping, DegenerateSpansAndHugeValuesStayDefined)
{
    PlotGeometry g = WindowPlot();
    g.echX = 0;
    g.echY = 0;
    EXPECT_EQ(dds::PixelColumn(g, 100), g.left());
    EXPECT_EQ(dds::PixelRow(g, 100), g.bottom());
    EXPECT_DOUBLE_EQ(dds::ValueAtColumn(g, 300), 0.0);
    EXPECT_DOUBLE_EQ(dds::ValueAtRow(g, 300), 0.0);
    const PlotGeometry w = WindowPlot();
    EXPECT_LT(dds::PixelRow(w, 2147483647.0), 0);
    EXPECT_GT(dds::PixelRow(w, -2147483648.0), w.height);
}

TEST(PlotMapping, InsideIncludesTheBounds)
{
    const PlotGeometry g = WindowPlot();
    EXPECT_TRUE(dds::InsidePlot(g, {5, 5}));
    EXPECT_TRUE(dds::InsidePlot(g, {556, 501}));
    EXPECT_FALSE(dds::InsidePlot(g, {4, 100}));
    EXPECT_FALSE(dds::InsidePlot(g, {557, 100}));
    EXPECT_FALSE(dds::InsidePlot(g, {100, 4}));
    EXPECT_FALSE(dds::InsidePlot(g, {100, 502}));
}

TEST(RunRule, LineIntoTheMarginIsDrawnLineOutOfItIsNot)
{
    const PlotGeometry g = WindowPlot();
    const std::vector<PlotPoint> points{{1, 100}, {2, 300}, {3, 100}, {4, 100}};
    const dds::TraceStroke stroke = dds::StrokeTrace(g, points);
    ASSERT_EQ(stroke.lines.size(), 2u);
    EXPECT_EQ(stroke.lines[0].from, dds::ValueToPixel(g, points[0]));
    EXPECT_EQ(stroke.lines[0].to, dds::ValueToPixel(g, points[1]));
    EXPECT_EQ(stroke.lines[1].from, dds::ValueToPixel(g, points[2]));
    EXPECT_EQ(stroke.lines[1].to, dds::ValueToPixel(g, points[3]));
    EXPECT_EQ(stroke.lastPixel, dds::ValueToPixel(g, points[3]));
}

TEST(RunRule, NegativeSampleLeavesAGapAfterIt)
{
    const PlotGeometry g = WindowPlot();
    const dds::TraceStroke stroke = dds::StrokeTrace(g, {{1, 10}, {2, -5}, {3, 10}});
    ASSERT_EQ(stroke.lines.size(), 1u);
    EXPECT_EQ(stroke.lines[0].to.y, dds::PixelRow(g, -5));
}

TEST(RunRule, RunOfOutsidePointsDrawsNothing)
{
    const PlotGeometry g = WindowPlot();
    const dds::TraceStroke stroke = dds::StrokeTrace(g, {{1, 300}, {2, 400}, {3, -1}, {4, 500}});
    EXPECT_TRUE(stroke.lines.empty());
    EXPECT_EQ(stroke.lastPixel, dds::ValueToPixel(g, {4, 500}));
}

TEST(RunRule, EmptyAndSinglePointTraces)
{
    const PlotGeometry g = WindowPlot();
    EXPECT_FALSE(dds::StrokeTrace(g, {}).lastPixel.has_value());
    const dds::TraceStroke one = dds::StrokeTrace(g, {{1, 128}});
    EXPECT_TRUE(one.lines.empty());
    EXPECT_EQ(one.lastPixel, (Pixel{5, 253}));
}

TEST(RunRule, FullTableIsOneUnbrokenPolyline)
{
    const PlotGeometry g = WindowPlot();
    std::vector<PlotPoint> points;
    for (int n = 1; n <= 3200; ++n)
        points.push_back({double(n), double(n % 256)});
    EXPECT_EQ(dds::StrokeTrace(g, points).lines.size(), 3199u);
}
