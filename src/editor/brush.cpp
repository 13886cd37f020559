#include "editor/brush.h"

#include <algorithm>
#include <cmath>

namespace dds {

BrushRun BrushRunAt(int32_t n, int32_t halfWidth)
{
    int32_t centre = n;
    if (centre <= halfWidth)
        centre = halfWidth;
    if (centre >= WaveformTable::kLength - halfWidth)
        centre = WaveformTable::kLength - halfWidth;
    return {std::max(centre - halfWidth, WaveformTable::kFirstIndex), centre + halfWidth};
}

int32_t LimitToByte(int32_t value) { return std::clamp(value, 0, 255); }

Stamp StampAt(int32_t n, int32_t halfWidth, int32_t value)
{
    return {BrushRunAt(n, halfWidth).last - halfWidth, LimitToByte(value)};
}

Stamp StampBrush(WaveformTable& table, int32_t n, int32_t halfWidth, int32_t value)
{
    const BrushRun run = BrushRunAt(n, halfWidth);
    const int32_t limited = LimitToByte(value);
    for (int32_t i = run.first; i <= run.last; ++i)
        table[i] = limited;
    return {run.last - halfWidth, limited};
}

Stamp StampLine(WaveformTable& table, Stamp from, int32_t n, int32_t halfWidth, int32_t value)
{
    const Stamp to = StampAt(n, halfWidth, value);
    if (from.centre == to.centre)
        return StampBrush(table, n, halfWidth, value);
    const Stamp left = from.centre <= to.centre ? from : to;
    const Stamp right = from.centre <= to.centre ? to : from;
    const int64_t span = right.centre - left.centre;
    for (int32_t i = std::max(left.centre - halfWidth, WaveformTable::kFirstIndex); i < left.centre; ++i)
        table[i] = left.value;
    for (int32_t i = left.centre; i <= right.centre; ++i) {
        const int64_t rise = int64_t{right.value - left.value} * (i - left.centre);
        table[i] = static_cast<int32_t>(std::nearbyint(left.value + static_cast<double>(rise) / static_cast<double>(span)));
    }
    for (int32_t i = right.centre + 1; i <= std::min(right.centre + halfWidth, WaveformTable::kLength); ++i)
        table[i] = right.value;
    return to;
}

} // namespace dds
