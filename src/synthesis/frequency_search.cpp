#include "synthesis/frequency_search.h"

#include <cmath>

namespace dds {
namespace {

// Distances this close are one decimal tie seen through binary fractions (0.1 + 0.01 × v is never
// exact); the plan's finest step is a hundredth of its frequency, far above this.
constexpr long double kTieTolerance = 1e-9L;

long double Distance(const FrequencyPlan& plan, double hertz, FrequencyMeasure measure)
{
    const long double compared = measure == FrequencyMeasure::Played ? PlayedHertz(plan) : plan.hertz();
    return std::fabs(compared - static_cast<long double>(hertz));
}

bool Better(const FrequencyPlan& candidate, const FrequencyPlan& best, double hertz, FrequencyMeasure measure)
{
    const long double tie = kTieTolerance * hertz;
    const long double difference = Distance(candidate, hertz, measure) - Distance(best, hertz, measure);
    if (difference < -tie)
        return true;
    return difference <= tie && candidate.sampleCount > best.sampleCount;
}

} // namespace

FrequencySpan PlanSpan()
{
    return {PlanFrequency(kFirstRange, kSliderMinimum)->hertz(),
            PlanFrequency(kLastRange, kSliderMaximum)->hertz()};
}

FrequencySetting MeasuredSetting(FrequencyPlan plan, int32_t position, double wantedHertz)
{
    const double relativeError = (plan.hertz() - wantedHertz) / wantedHertz;
    const auto playedRelativeError = static_cast<double>((PlayedHertz(plan) - wantedHertz) / wantedHertz);
    return {std::move(plan), position, wantedHertz, relativeError, playedRelativeError};
}

std::optional<FrequencySetting> NearestFrequencySetting(double hertz, FrequencyMeasure measure)
{
    const FrequencySpan span = PlanSpan();
    if (!(hertz >= span.lowest && hertz <= span.highest))
        return std::nullopt;
    FrequencyPlan best = *PlanFrequency(kFirstRange, kSliderMinimum);
    int32_t bestPosition = kSliderMinimum;
    for (int32_t range = kFirstRange; range <= kLastRange; ++range) {
        for (int32_t position = kSliderMinimum; position <= kSliderMaximum; ++position) {
            FrequencyPlan plan = *PlanFrequency(range, position);
            if (Better(plan, best, hertz, measure)) {
                best = std::move(plan);
                bestPosition = position;
            }
        }
    }
    return MeasuredSetting(std::move(best), bestPosition, hertz);
}

} // namespace dds
