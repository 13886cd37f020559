#pragma once
#include <cstdint>

#include "synthesis/waveform_table.h"

namespace dds {

constexpr int32_t kBrushMinimum = 3;
constexpr int32_t kBrushMaximum = 90;
constexpr int32_t kBrushStart = 20;

// The samples one stroke writes: first..last, both included.
struct BrushRun {
    int32_t first = 0;
    int32_t last = 0;
    bool operator==(const BrushRun&) const = default;
};

// The run of 2w + 1 samples centred on sample n, moved inwards at the ends of the table so that it
// never passes its last sample; at the left end the centre stops at w and sample 0, which does not
// exist, is left out (2w samples).
BrushRun BrushRunAt(int32_t n, int32_t halfWidth);

int32_t LimitToByte(int32_t value);

// One stroke: every sample of the run becomes `value`, limited to 0..255.
void StampBrush(WaveformTable& table, int32_t n, int32_t halfWidth, int32_t value);

} // namespace dds
