#pragma once
#include <cstdint>

namespace dds {

enum class WaveformKind : int32_t {
    Sine = 1,
    Rectangle = 2,
    Triangle = 3,
    FallingRamp = 4,
    RisingRamp = 5,
    CapacitorChargeDischarge = 6,
    CapacitorCharge = 7,
    CapacitorDischarge = 8,
    AmplitudeModulation = 9,
    DC = 10,
    FrequencyModulation = 11,
    WhiteNoise = 12,
};

constexpr int32_t kFirstKind = 1;
constexpr int32_t kLastKind = 12;

} // namespace dds
