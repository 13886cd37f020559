#include "widgets/slider_geometry.h"

#include <algorithm>
#include <cmath>

namespace dds {

namespace {

long long nearestMultiple(long double value, int increment)
{
    return static_cast<long long>(increment) * std::llrint(value / increment);
}

int limited(long long value, int minValue, int maxValue)
{
    return static_cast<int>(std::clamp<long long>(value, minValue, maxValue));
}

} // namespace

int sliderValueAtOffset(int offset, int railLength, int minValue, int maxValue, int increment, bool smooth)
{
    if (railLength <= 0)
        return minValue;
    const long double span = static_cast<long double>(maxValue) - minValue;
    long long value = minValue + std::llrint(offset * span / railLength);
    if (!smooth && increment > 0)
        value = nearestMultiple(value, increment);
    return limited(value, minValue, maxValue);
}

int sliderOffsetOfValue(int value, int railLength, int minValue, int maxValue)
{
    if (maxValue <= minValue)
        return 0;
    const long double fraction = (static_cast<long double>(value) - minValue) / (static_cast<long double>(maxValue) - minValue);
    return static_cast<int>(std::llrint(fraction * railLength));
}

int sliderStep(int value, bool up, int minValue, int maxValue, int increment)
{
    const long long base = nearestMultiple(value, increment);
    return limited(up ? base + increment : base - increment, minValue, maxValue);
}

} // namespace dds
