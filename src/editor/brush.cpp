#include "editor/brush.h"

#include <algorithm>

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

void StampBrush(WaveformTable& table, int32_t n, int32_t halfWidth, int32_t value)
{
    const BrushRun run = BrushRunAt(n, halfWidth);
    const int32_t limited = LimitToByte(value);
    for (int32_t i = run.first; i <= run.last; ++i)
        table[i] = limited;
}

} // namespace dds
