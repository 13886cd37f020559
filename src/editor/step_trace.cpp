#include "editor/step_trace.h"

#include "synthesis/waveform_table.h"

namespace dds {

std::vector<PlotPoint> StepTracePoints(const std::vector<uint8_t>& bytes)
{
    std::vector<PlotPoint> points;
    points.reserve(2 * bytes.size());
    const double width = static_cast<double>(WaveformTable::kLength) / static_cast<double>(bytes.size());
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        const double value = bytes[j];
        points.push_back({static_cast<double>(j) * width, value});
        points.push_back({static_cast<double>(j + 1) * width, value});
    }
    return points;
}

} // namespace dds
