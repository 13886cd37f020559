#pragma once
#include <cstdint>
#include <optional>

#include "synthesis/frequency_plan.h"

namespace dds {

// The setting of range and slider position whose frequency is nearest to a wanted one.
struct FrequencySetting {
    FrequencyPlan plan;
    int32_t position = 0;
    double wantedHertz = 0;
    double relativeError = 0; // (set frequency - wanted) / wanted
};

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
std::optional<FrequencySetting> NearestFrequencySetting(double hertz);
// The same by the frequency the generator plays (range clock / sample count); the relative error
// is then the played frequency's.
std::optional<FrequencySetting> NearestPlayedSetting(double hertz);

} // namespace dds
