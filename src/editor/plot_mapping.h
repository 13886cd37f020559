#pragma once
#include <optional>
#include <vector>

namespace dds {

// The plot's frame and scale: widget size, margins, value origin, division span and count.
struct PlotGeometry {
    int width = 320;
    int height = 320;
    int margeHaute = 32;
    int margeBasse = 32;
    int margeGauche = 32;
    int margeDroite = 32;
    int xMin = -500;
    int yMin = -500;
    int echX = 100;
    int echY = 100;
    int nbXDiv = 10;
    int nbYDiv = 10;

    int left() const { return margeGauche; }
    int top() const { return margeHaute; }
    int right() const { return width - margeDroite; }
    int bottom() const { return height - margeBasse; }
    double spanX() const { return static_cast<double>(nbXDiv) * echX; }
    double spanY() const { return static_cast<double>(nbYDiv) * echY; }
};

struct PlotPoint {
    double x = 0;
    double y = 0;
};

struct Pixel {
    int x = 0;
    int y = 0;
    bool operator==(const Pixel&) const = default;
};

// Value to pixel, nearest with ties to even. A zero span maps every value onto the left or
// bottom edge instead of dividing by zero.
int PixelColumn(const PlotGeometry& g, double x);
int PixelRow(const PlotGeometry& g, double y);
Pixel ValueToPixel(const PlotGeometry& g, PlotPoint p);

// Pixel to value, unrounded: the inverse of the mapping before rounding.
double ValueAtColumn(const PlotGeometry& g, double px);
double ValueAtRow(const PlotGeometry& g, double py);

// Inside the plot rectangle, its bounds included.
bool InsidePlot(const PlotGeometry& g, Pixel p);

struct PixelLine {
    Pixel from;
    Pixel to;
    bool operator==(const PixelLine&) const = default;
};

// What one trace paints: a line joins a point to the previous one only while the previous pixel
// lies inside the plot rectangle, so a segment leaving the rectangle is drawn and one starting
// outside is not. lastPixel is the pixel of the final point, absent for an empty trace.
struct TraceStroke {
    std::vector<PixelLine> lines;
    std::optional<Pixel> lastPixel;
};

TraceStroke StrokeTrace(const PlotGeometry& g, const std::vector<PlotPoint>& points);

} // namespace dds
