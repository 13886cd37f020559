#include "synthesis/frequency_search.h"

#include <cmath>

namespace dds {
namespace {

// Distances this close are one decimal tie seen through binary fractions (0.1 + 0.01 × v is never
// exact); the plan's finest step is a hundredth of its frequency, far above this.
constexpr long double kTieTolerance = 1e-9L;

using Measure = double (FrequencyPlan::*)() const;

long double Distance(const FrequencyPlan& plan, Measure measure, double hertz)
{
    return std::fabs(static_cast<long double>((plan.*measure)()) - static_cast<long double>(hertz));
}

bool Better(const FrequencyPlan& candidate, const FrequencyPlan& best, Measure measure, double hertz)
{
    const long double tie = kTieTolerance * hertz;
    const long double difference = Distance(candidate, measure, hertz) - Distance(best, measure, hertz);
    if (difference < -tie)
        return true;
    return difference <= tie && candidate.sampleCount > best.sampleCount;
}

std::optional<FrequencySetting> Nearest(double hertz, Measure measure)
{
    const FrequencySpan span = PlanSpan();
    if (!(hertz >= span.lowest && hertz <= span.highest))
        return std::nullopt;
    FrequencySetting best{*PlanFrequency(kFirstRange, kSliderMinimum), kSliderMinimum, hertz, 0};
    for (int32_t range = kFirstRange; range <= kLastRange; ++range) {
        for (int32_t position = kSliderMinimum; position <= kSliderMaximum; ++position) {
            FrequencyPlan plan = *PlanFrequency(range, position);
            if (Better(plan, best.plan, measure, hertz))
                best = {std::move(plan), position, hertz, 0};
        }
    }
    best.relativeError = ((best.plan.*measure)() - hertz) / hertz;
    return best;
}

} // namespace

FrequencySpan PlanSpan()
{
    return {PlanFrequency(kFirstRange, kSliderMinimum)->hertz(),
            PlanFrequency(kLastRange, kSliderMaximum)->hertz()};
}

std::optional<FrequencySetting> NearestFrequencySetting(double hertz)
{
    return Nearest(hertz, &FrequencyPlan::hertz);
}

std::optional<FrequencySetting> NearestPlayedSetting(double hertz)
{
    return Nearest(hertz, &FrequencyPlan::playedHertz);
}

} // namespace dds
