#pragma once
#include <cstdint>
#include <vector>

#include "synthesis/waveform_table.h"

namespace dds {

// The sample bytes a transfer of `table` at `sampleCount` (1..3200) would send: the transfer's own
// line rule, stretch and scan, worked out column by column without any picture (the round trip
// through "Sample.bmp" gives back exactly the picture it was given), so a program using it needs
// no graphics library.
std::vector<uint8_t> PlayedBytes(const WaveformTable& table, int sampleCount);

} // namespace dds
