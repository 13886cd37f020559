#include <gtest/gtest.h>

#include "editor/graph_xy.h"

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kSkyBlue(166, 202, 240);

// The plot as the main window sets it up.
void SetUpAsWindow(TGraphXY& plot)
{
    plot.resize(561, 506);
    plot.SetBackColor(kBlack);
    plot.SetGridColor(kWhite);
    plot.SetMargeHaute(5);
    plot.SetMargeBasse(5);
    plot.SetMargeGauche(5);
    plot.SetMargeDroite(5);
    plot.SetEchelle(false);
    plot.SetXMin(0);
    plot.SetYMin(0);
    plot.SetEchX(3200);
    plot.SetEchY(256);
    plot.SetNbXDiv(1);
    plot.SetNbYDiv(1);
    plot.SetNbTrace(4);
}

QColor PixelAt(const TGraphXY& plot, int x, int y) { return plot.Surface().pixelColor(x, y); }

int ColumnCount(const TGraphXY& plot, int x, const QColor& c)
{
    int count = 0;
    for (int y = 0; y < plot.Surface().height(); ++y)
        count += PixelAt(plot, x, y) == c;
    return count;
}

} // namespace

TEST(GraphXYProperties, WidgetDefaults)
{
    TGraphXY plot;
    EXPECT_EQ(plot.BackColor(), QColor(0, 0, 128));
    EXPECT_EQ(plot.GridColor(), QColor(192, 192, 192));
    EXPECT_EQ(plot.MargeHaute(), 32);
    EXPECT_EQ(plot.MargeDroite(), 32);
    EXPECT_EQ(plot.XMin(), -500);
    EXPECT_EQ(plot.EchY(), 100);
    EXPECT_EQ(plot.NbXDiv(), 10);
    EXPECT_TRUE(plot.Echelle());
    EXPECT_EQ(plot.NbTrace(), 1);
    EXPECT_EQ(plot.Indice(), 0);
    EXPECT_EQ(plot.Color(), kYellow);
    EXPECT_EQ(plot.PositionCaption(), TPositionCaption::TopLeft);
    EXPECT_EQ(plot.width(), 320);
    EXPECT_EQ(plot.height(), 320);
    const QColor traceSlots[] = {{255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {255, 0, 255},
                            {255, 165, 121}, {201, 168, 255}, {217, 255, 136}, {255, 255, 255}};
    for (int i = 0; i < TGraphXY::kTraceSlots; ++i)
        EXPECT_EQ(plot.TraceColor(i), traceSlots[i]) << i;
}

TEST(GraphXYProperties, NbTraceStaysWithinSevenAndDestroysTracesAbove)
{
    TGraphXY plot;
    plot.SetNbTrace(8);
    EXPECT_EQ(plot.NbTrace(), 1);
    plot.SetNbTrace(7);
    EXPECT_EQ(plot.NbTrace(), 7);
    plot.AddPoint(6, 1, 2);
    plot.AddPoint(2, 1, 2);
    plot.SetNbTrace(3);
    EXPECT_THROW(plot.TracePoints(6), EGraphXYError);
    EXPECT_EQ(plot.TracePoints(2).size(), 1u);
    plot.SetNbTrace(7);
    EXPECT_TRUE(plot.TracePoints(6).empty()) << "a re-created trace starts empty";
}

TEST(GraphXYProperties, IndiceSelectsOnlyTracesInUseAndLoadsTheirColour)
{
    TGraphXY plot;
    plot.SetNbTrace(4);
    plot.SetIndice(4);
    EXPECT_EQ(plot.Indice(), 0);
    plot.SetIndice(2);
    EXPECT_EQ(plot.Indice(), 2);
    EXPECT_EQ(plot.Color(), QColor(0, 255, 255));
    plot.SetColor(kSkyBlue);
    EXPECT_EQ(plot.TraceColor(2), kSkyBlue);
    EXPECT_EQ(plot.TraceColor(0), kYellow);
}

TEST(GraphXYProperties, ColourEqualToTheCurrentOneIsIgnored)
{
    TGraphXY plot;
    plot.SetNbTrace(2);
    plot.SetIndice(1);           // Color now lime, the colour of trace 1
    plot.SetColor(kWhite);
    plot.SetIndice(0);           // Color yellow again
    plot.SetColor(kYellow);      // equal: trace 0 keeps yellow, nothing else is touched
    EXPECT_EQ(plot.TraceColor(0), kYellow);
    EXPECT_EQ(plot.TraceColor(1), kWhite);
}

TEST(GraphXYProperties, SettersRepaintAtOnce)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    EXPECT_EQ(PixelAt(plot, 0, 0), kBlack);
    plot.SetBackColor(QColor(10, 20, 30));
    EXPECT_EQ(PixelAt(plot, 0, 0), QColor(10, 20, 30));
}

TEST(GraphXYTraces, BadTraceNumbersAreRefused)
{
    TGraphXY plot;
    EXPECT_THROW(plot.AddPoint(1, 0, 0), EGraphXYError);
    EXPECT_THROW(plot.ClearTrace(-1), EGraphXYError);
    try {
        plot.AddPointDrawn(3, 0, 0);
        FAIL();
    } catch (const EGraphXYError& e) {
        EXPECT_STREQ(e.what(), "Indice de liste hors limites (3)");
    }
}

TEST(GraphXYTraces, PixelToValueUsesTheWidgetsGeometry)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    EXPECT_DOUBLE_EQ(plot.XFromPixel(5), 0.0);
    EXPECT_DOUBLE_EQ(plot.XFromPixel(556), 3200.0);
    EXPECT_DOUBLE_EQ(plot.YFromPixel(5), 256.0);
    EXPECT_DOUBLE_EQ(plot.YFromPixel(501), 0.0);
}

TEST(GraphXYPainting, FrameOnlyWithOneDivisionAndNoScale)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    plot.Repaint();
    EXPECT_EQ(PixelAt(plot, 5, 100), kWhite);
    EXPECT_EQ(PixelAt(plot, 556, 100), kWhite);
    EXPECT_EQ(PixelAt(plot, 100, 5), kWhite);
    EXPECT_EQ(PixelAt(plot, 100, 501), kWhite);
    EXPECT_EQ(PixelAt(plot, 4, 100), kBlack);
    for (int x = 6; x < 556; ++x)
        ASSERT_EQ(ColumnCount(plot, x, kWhite), 2) << x;
}

TEST(GraphXYPainting, GridLinesAtEachDivision)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    plot.SetNbYDiv(2);
    int dots = 0;
    for (int x = 6; x < 556; ++x)
        dots += PixelAt(plot, x, 5 + 496 / 2) == kWhite;
    EXPECT_GT(dots, 100);
    EXPECT_LT(dots, 550) << "the grid is dotted";
}

TEST(GraphXYPainting, ScaleNumbersOnlyWithEchelle)
{
    TGraphXY plot;
    plot.SetBackColor(kBlack);
    plot.SetNbXDiv(1);
    plot.SetNbYDiv(1);
    plot.SetEchelle(false);
    auto whiteBelowFrame = [&] {
        int count = 0;
        for (int y = plot.height() - 32 + 2; y < plot.height(); ++y)
            for (int x = 0; x < plot.width(); ++x)
                count += PixelAt(plot, x, y) != kBlack;
        return count;
    };
    EXPECT_EQ(whiteBelowFrame(), 0);
    plot.SetEchelle(true);
    EXPECT_GT(whiteBelowFrame(), 0);
}

TEST(GraphXYPainting, CaptionAtTheChosenCorner)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    plot.SetCaption("Onde");
    plot.Repaint();
    auto inkIn = [&](int x0, int x1, int y0, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                count += PixelAt(plot, x, y) != kBlack;
        return count;
    };
    EXPECT_GT(inkIn(9, 60, 7, 30), 0);
    plot.SetPositionCaption(TPositionCaption::BottomRight);
    EXPECT_EQ(inkIn(9, 60, 7, 30), 0);
    EXPECT_GT(inkIn(480, 552, 470, 500), 0);
}

TEST(GraphXYPainting, TableValuesLandOnTheirRows)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    for (int n = 1; n <= 3200; ++n)
        plot.AddPoint(0, n, n <= 1600 ? 255 : 0);
    plot.Repaint();
    EXPECT_EQ(PixelAt(plot, 100, 7), kYellow);
    EXPECT_EQ(PixelAt(plot, 500, 501), kYellow);
    EXPECT_EQ(plot.LastPixel(0), (dds::Pixel{556, 501}));
}

TEST(GraphXYPainting, SampleOutsideTheRangeLeavesAGap)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    // Columns 177, 194, 212, 229; value 100 on row 307, value 300 far above the widget.
    for (double x : {1000.0, 1100.0, 1200.0, 1300.0})
        plot.AddPoint(0, x, x == 1100.0 ? 300 : 100);
    plot.Repaint();
    EXPECT_GT(ColumnCount(plot, 185, kYellow), 0) << "the line into the margin is drawn";
    for (int x = 195; x < 212; ++x)
        ASSERT_EQ(ColumnCount(plot, x, kYellow), 0) << "the line back is not drawn, column " << x;
    EXPECT_EQ(PixelAt(plot, 220, 307), kYellow);
}

TEST(GraphXYPainting, LaterTracesLieOverEarlierOnes)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    plot.SetIndice(1);
    plot.SetColor(kWhite);
    plot.SetBackColor(QColor(1, 1, 1));
    plot.AddPoint(0, 1, 128);
    plot.AddPoint(0, 3200, 128);
    plot.AddPoint(1, 1, 128);
    plot.AddPoint(1, 3200, 128);
    plot.Repaint();
    EXPECT_EQ(PixelAt(plot, 300, 253), kWhite);
    plot.ClearTrace(1);
    plot.Repaint();
    EXPECT_EQ(PixelAt(plot, 300, 253), kYellow);
}

TEST(GraphXYPainting, AddPointDrawnDrawsOnlyFromAnInsideLastPixel)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    plot.Repaint();
    plot.AddPointDrawn(0, 1, 128); // last pixel (0, 0) is outside: nothing drawn
    EXPECT_EQ(ColumnCount(plot, 3, kYellow), 0);
    EXPECT_EQ(plot.LastPixel(0), (dds::Pixel{5, 253}));
    plot.AddPointDrawn(0, 3200, 128);
    EXPECT_EQ(PixelAt(plot, 300, 253), kYellow) << "drawn at once, without a repaint";
    EXPECT_EQ(plot.TracePoints(0).size(), 2u);
}
