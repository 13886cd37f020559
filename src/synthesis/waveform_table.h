#pragma once
#include <array>
#include <cstdint>

namespace dds {

// One period of the output waveform: 3200 signed samples, indexed 1 to 3200, normally 0..255 with
// 128 the centre line. The first index and the length are fields because every loop over the
// table uses them.
struct WaveformTable {
    static constexpr int32_t kLength = 3200;
    static constexpr int32_t kFirstIndex = 1;

    int32_t firstIndex = kFirstIndex;
    int32_t length = kLength;
    std::array<int32_t, kLength + 1> samples{}; // samples[0] is never used

    int32_t& operator[](int32_t index) { return samples[static_cast<std::size_t>(index)]; }
    int32_t operator[](int32_t index) const { return samples[static_cast<std::size_t>(index)]; }
    bool operator==(const WaveformTable&) const = default;

    // Limits every entry from the first index to the length to 0..255.
    void limitToByteRange();
};

} // namespace dds
