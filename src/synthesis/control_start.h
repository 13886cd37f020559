#pragma once
#include <cstdint>

#include "synthesis/waveform_kind.h"

namespace dds {

// The waveform controls' start values and bounds: what the window shows when it comes up, and what
// ddsgen-cli takes for an option left out.
inline constexpr int32_t kStartRange = 5;                     // the "10k" button
inline constexpr WaveformKind kStartKind = WaveformKind::Sine;
inline constexpr int32_t kAmplitudeMinimum = 0;               // amplitude knob
inline constexpr int32_t kAmplitudeMaximum = 100;
inline constexpr int32_t kStartAmplitude = 100;
inline constexpr int32_t kShapeMinimum = 1;                   // shape knob
inline constexpr int32_t kShapeMaximum = 99;
inline constexpr int32_t kStartShape = 50;
inline constexpr int32_t kVerticalMinimum = -256;             // vertical position slider
inline constexpr int32_t kVerticalMaximum = 256;
inline constexpr int32_t kStartVertical = 0;
inline constexpr int32_t kCoefficientMinimum = 1;             // modulation coefficient
inline constexpr int32_t kStartCoefficient = 15;
// The coefficient each modulation preset's button sets.
inline constexpr int32_t kAmplitudeModulationCoefficient = 15;
inline constexpr int32_t kFrequencyModulationCoefficient = 10;

// The coefficient a preset starts with: what its button sets, else the start value.
constexpr int32_t StartCoefficientFor(WaveformKind kind)
{
    switch (kind) {
    case WaveformKind::AmplitudeModulation: return kAmplitudeModulationCoefficient;
    case WaveformKind::FrequencyModulation: return kFrequencyModulationCoefficient;
    default: return kStartCoefficient;
    }
}

} // namespace dds
