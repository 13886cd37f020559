#pragma once
#include "synthesis/waveform_kind.h"

namespace dds {

constexpr int kBlockSize = 62; // sample bytes in one full block report

// How a transfer of `sampleCount` bytes splits into full blocks and a shorter tail (0..61).
struct TransferLayout {
    int blocks = 0;
    int tail = 0;
    bool operator==(const TransferLayout&) const = default;
};

constexpr TransferLayout LayoutFor(int sampleCount)
{
    return {sampleCount / kBlockSize, sampleCount % kBlockSize};
}

// The output filter a transfer selects: the range's own filter (1..7) for the sine and the
// capacitor curves, which need smoothing; 0, the filter off, for every other kind.
constexpr int FilterForTransfer(WaveformKind kind, int range)
{
    switch (kind) {
    case WaveformKind::Sine:
    case WaveformKind::CapacitorChargeDischarge:
    case WaveformKind::CapacitorCharge:
    case WaveformKind::CapacitorDischarge:
        return range;
    default:
        return 0;
    }
}

} // namespace dds
