#include "editor/plot_mapping.h"

#include <algorithm>
#include <cmath>

namespace dds {

namespace {

// Loaded files may carry any 32-bit sample; pixels this far out are simply outside the widget,
// and the limit keeps the conversion to int defined.
constexpr double kPixelLimit = 1 << 24;

int NearestPixel(double v)
{
    return static_cast<int>(std::clamp(std::nearbyint(v), -kPixelLimit, kPixelLimit));
}

double Offset(double value, double origin, int pixelSpan, double valueSpan)
{
    if (valueSpan == 0)
        return 0;
    return (value - origin) * pixelSpan / valueSpan;
}

} // namespace

int PixelColumn(const PlotGeometry& g, double x)
{
    return g.left() + NearestPixel(Offset(x, g.xMin, g.right() - g.left(), g.spanX()));
}

int PixelRow(const PlotGeometry& g, double y)
{
    return g.bottom() - NearestPixel(Offset(y, g.yMin, g.bottom() - g.top(), g.spanY()));
}

Pixel ValueToPixel(const PlotGeometry& g, PlotPoint p)
{
    return {PixelColumn(g, p.x), PixelRow(g, p.y)};
}

double ValueAtColumn(const PlotGeometry& g, double px)
{
    const double pixelsPerValue = (g.width - g.left() - g.margeDroite) / g.spanX();
    if (g.spanX() == 0 || pixelsPerValue == 0)
        return g.xMin;
    return (px - g.left()) / pixelsPerValue + g.xMin;
}

double ValueAtRow(const PlotGeometry& g, double py)
{
    const double pixelsPerValue = (g.height - g.top() - g.margeBasse) / g.spanY();
    if (g.spanY() == 0 || pixelsPerValue == 0)
        return g.yMin;
    return (g.top() - py) / pixelsPerValue + g.spanY() + g.yMin;
}

bool InsidePlot(const PlotGeometry& g, Pixel p)
{
    return p.x >= g.left() && p.x <= g.right() && p.y >= g.top() && p.y <= g.bottom();
}

TraceStroke StrokeTrace(const PlotGeometry& g, const std::vector<PlotPoint>& points)
{
    TraceStroke stroke;
    stroke.lines.reserve(points.size());
    std::optional<Pixel> previous;
    for (const PlotPoint& point : points) {
        const Pixel pixel = ValueToPixel(g, point);
        if (previous && InsidePlot(g, *previous))
            stroke.lines.push_back({*previous, pixel});
        previous = pixel;
    }
    stroke.lastPixel = previous;
    return stroke;
}

} // namespace dds
