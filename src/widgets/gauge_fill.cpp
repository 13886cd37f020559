#include "widgets/gauge_fill.h"

namespace dds {

int gaugePercent(int progress, int minValue, int maxValue)
{
    if (maxValue <= minValue)
        return 0;
    const long long done = static_cast<long long>(progress) - minValue;
    return static_cast<int>(done * 100 / (static_cast<long long>(maxValue) - minValue));
}

int gaugeFillWidth(int percent, int width)
{
    return percent * width / 100;
}

} // namespace dds
