#pragma once
#include "synthesis/control_start.h"
#include "synthesis/term_cache.h"
#include "synthesis/waveform_kind.h"
#include "synthesis/waveform_table.h"

namespace dds {

// The phase fraction P / Q of the sine family: one period on entries 1 to 3199.
inline constexpr int32_t kPhaseNumerator = 3200;
inline constexpr int32_t kPhaseDenominator = 3199;

// The controls a preset reads: amplitude knob A (0..100), shape knob D (1..99), vertical position O
// (-256..256), frequency coefficient m (>= 1), and the phase fraction P / Q of the sine family.
struct WaveformParams {
    int32_t amplitude = kStartAmplitude;
    int32_t shape = kStartShape;
    int32_t vertical = kStartVertical;
    int32_t coefficient = kStartCoefficient;
    int32_t phaseNumerator = kPhaseNumerator;
    int32_t phaseDenominator = kPhaseDenominator;
};

// Fills the whole table for kinds 1 to 11 and limits it to 0..255. White noise (kind 12) writes and
// limits nothing: its refresh is NoiseGenerator::tick.
// The terms kept between computations are the process's own (shared by all threads, which take
// turns), or those of `cache`.
void ComputeWaveform(WaveformTable& table, WaveformKind kind, const WaveformParams& params);
void ComputeWaveform(WaveformTable& table, WaveformKind kind, const WaveformParams& params,
                     TermCache& cache);

} // namespace dds
