#pragma once

namespace dds {

// Whole percentage of the progress within [minValue, maxValue], truncated; 0 for an empty range.
int gaugePercent(int progress, int minValue, int maxValue);

// Width of the fill for a whole percentage over an interior width: percent * width div 100.
int gaugeFillWidth(int percent, int width);

} // namespace dds
