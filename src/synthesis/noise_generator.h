#pragma once
#include <cstdint>
#include "synthesis/waveform_table.h"

namespace dds {

// The white-noise source: a 32-bit linear congruential state; each draw is 0..254, never 255.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint32_t seed = 0) : state_(seed) {}

    void seed(uint32_t seed) { state_ = seed; }
    // Seeds from the low 32 bits of the high-resolution counter.
    void seedFromClock();
    uint32_t draw();
    // Fills every entry with a draw and limits the table.
    void tick(WaveformTable& table);
    uint32_t state() const { return state_; }

private:
    uint32_t state_;
};

} // namespace dds
