#include "synthesis/noise_generator.h"

#include <chrono>

namespace dds {

void NoiseGenerator::seedFromClock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    state_ = static_cast<uint32_t>(ticks);
}

uint32_t NoiseGenerator::draw()
{
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * 255u) >> 32);
}

void NoiseGenerator::tick(WaveformTable& table)
{
    for (int32_t i = table.firstIndex; i <= table.length; ++i)
        table[i] = static_cast<int32_t>(draw());
    table.limitToByteRange();
}

} // namespace dds
