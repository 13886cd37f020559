#pragma once
#include <cstdint>
#include <optional>

#include "synthesis/frequency_plan.h"

namespace dds {

// A setting of range and slider position measured against a wanted frequency.
struct FrequencySetting {
    FrequencyPlan plan;
    int32_t position = 0;
    double wantedHertz = 0;
    double relativeError = 0;       // (set frequency - wanted) / wanted, a fraction
    double playedRelativeError = 0; // (played frequency - wanted) / wanted, a fraction
};

// `plan` at `position` against `wantedHertz`, both errors computed.
FrequencySetting MeasuredSetting(FrequencyPlan plan, int32_t position, double wantedHertz);

// Which frequency of a setting a search compares: the set one the display shows, or the one the
// generator plays (range clock / sample count).
enum class FrequencyMeasure { Set, Played };

// The lowest and highest frequency in hertz that any setting gives.
struct FrequencySpan {
    double lowest;
    double highest;
};
FrequencySpan PlanSpan();

// Nothing for a frequency outside the plan's span (or not finite). Between settings equally near,
// the one with more samples per period wins, since it plays the waveform more finely; that is the
// higher range where two ranges meet, the lower frequency inside one range, and the first position
// of a band of range 7 whose positions share one frequency.
std::optional<FrequencySetting> NearestFrequencySetting(double hertz, FrequencyMeasure measure = FrequencyMeasure::Set);

} // namespace dds
