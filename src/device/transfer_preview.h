#pragma once
#include <cstdint>
#include <vector>

#include "synthesis/waveform_table.h"

namespace dds {

// The sample bytes a transfer of `table` at `sampleCount` (1..3200) would send, made by the
// transfer's own drawing, stretch and scan, but without the round trip through "Sample.bmp",
// which gives back exactly the picture it was given.
std::vector<uint8_t> PlayedBytes(const WaveformTable& table, int sampleCount);

} // namespace dds
