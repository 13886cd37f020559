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

// Where a stamp at sample n lands: its centre (n moved inwards at the ends) and its value.
struct Stamp {
    int32_t centre = 0;
    int32_t value = 0;
    bool operator==(const Stamp&) const = default;
};

// The stamp at sample n, without painting it.
Stamp StampAt(int32_t n, int32_t halfWidth, int32_t value);

// One stroke: every sample of the run becomes `value`, limited to 0..255.
Stamp StampBrush(WaveformTable& table, int32_t n, int32_t halfWidth, int32_t value);

// A straight stroke from the previous stamp to the stamp at sample n: every sample between the
// two centres takes the value of the line joining them (nearest, ties to even), and the brush's
// half-width beyond each centre takes that end's value, so no move leaves a gap.
Stamp StampLine(WaveformTable& table, Stamp from, int32_t n, int32_t halfWidth, int32_t value);

} // namespace dds
