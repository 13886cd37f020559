#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace dds {

constexpr int32_t kFirstRange = 1;
constexpr int32_t kLastRange = 7;
constexpr int32_t kSliderMinimum = 0;
constexpr int32_t kSliderMaximum = 90;

// Everything one frequency computation yields for a (range, slider position) pair.
struct FrequencyPlan {
    int32_t range = 0;
    int32_t rangeClock = 0;      // samples per second; never sent
    double frequency = 0;        // the stored frequency: hertz, kilohertz in range 7
    int32_t sampleCount = 0;     // samples per period, 32..3200
    std::string frequencyText;   // the display number without unit, point as decimal separator
    std::string unit;            // " Hz" or " kHz"
    std::string diagnosticText;  // the hidden diagnostic label's text
    std::string displayText() const { return frequencyText + unit; }
    // The frequency in hertz in every range.
    double hertz() const { return range == kLastRange ? frequency * 1000 : frequency; }
    // What the generator plays: it steps through the sample count's samples at the range clock.
    double playedHertz() const { return static_cast<double>(rangeClock) / sampleCount; }
};

// Nothing is computed for a range outside 1..7 (before the first range selection). The diagnostic
// text uses the system's decimal separator, the display always a point.
std::optional<FrequencyPlan> PlanFrequency(int32_t range, int32_t position,
                                           char decimalSeparator = '.');

} // namespace dds
