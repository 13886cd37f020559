#include "widgets/dial_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dds {

int dialPositionToAngle(const DialRange& range, int position)
{
    // An empty range would divide by zero: its single position sits at the start of the scale.
    if (range.max == range.min)
        return range.minAngle;
    const long long span = static_cast<long long>(range.maxAngle - range.minAngle) * (position - range.min);
    return range.minAngle + static_cast<int>(span / (range.max - range.min));
}

int dialAngleToPosition(const DialRange& range, int angle)
{
    if (range.maxAngle == range.minAngle)
        return range.min;
    const int lowAngle = std::min(range.minAngle, range.maxAngle);
    const int highAngle = std::max(range.minAngle, range.maxAngle);
    const int limited = std::clamp(angle, lowAngle, highAngle);
    const long long span = static_cast<long long>(limited - range.minAngle) * (range.max - range.min);
    return range.min + static_cast<int>(span / (range.maxAngle - range.minAngle));
}

int dialPointerAngle(int px, int py, int cx, int cy)
{
    if (px == cx) {
        // Straight below the centre is the zero of the clockwise-from-down scale, so it reads as the
        // bottom of the gap (the minimum), like the directions just left of it. Above the centre,
        // and the centre itself, read as straight up.
        return py > cy ? 0 : 1800;
    }
    const long double rise = static_cast<long double>(cy - py);
    const long double run = static_cast<long double>(px - cx);
    long double degrees = std::atan(rise / run) * 180.0L / std::numbers::pi_v<long double>;
    if (px < cx)
        degrees += 180.0L;
    return static_cast<int>(std::lrint((270.0L - degrees) * 10.0L));
}

int dialCentre(int radius)
{
    return (2 * radius + 23) / 2;
}

int dialButtonHalfSide(int radius, int buttonEdge)
{
    return radius * (100 - buttonEdge) / 100;
}

bool dialInCentralButton(int px, int py, int radius, int buttonEdge)
{
    const int centre = dialCentre(radius);
    const int reach = dialButtonHalfSide(radius, buttonEdge) - 1;
    return std::abs(px - centre) <= reach && std::abs(py - centre) <= reach;
}

} // namespace dds
