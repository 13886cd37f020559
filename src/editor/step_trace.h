#pragma once
#include <cstdint>
#include <vector>

#include "editor/plot_mapping.h"

namespace dds {

// The N bytes the generator plays over one period, as a staircase on the table's axis: byte j
// holds its value from x = j x 3200 / N to (j + 1) x 3200 / N, joined by vertical risers.
std::vector<PlotPoint> StepTracePoints(const std::vector<uint8_t>& bytes);

} // namespace dds
