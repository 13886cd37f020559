#include "panel/front_panel.h"

#include <cmath>
#include <string>

namespace dds {

ShapeControls PresetStartControls(WaveformKind kind)
{
    ShapeControls controls;
    controls.coefficient = StartCoefficientFor(kind);
    return controls;
}

FrequencyChoiceResult FrontPanel::ChooseFrequency(double hertz, FrequencyRule rule)
{
    const bool played = rule == FrequencyRule::Played;
    const std::optional<FrequencySetting> setting = played ? NearestPlayedSetting(hertz) : NearestFrequencySetting(hertz);
    if (!setting) {
        const FrequencySpan span = PlanSpan();
        throw std::invalid_argument("frequency must lie from " + std::to_string(span.lowest) + " to " +
                                    std::to_string(span.highest) + " Hz");
    }
    ChooseSetting(setting->plan.range, setting->position);
    const double chosen = played ? setting->plan.playedHertz() : setting->plan.hertz();
    return {setting->plan.range, setting->position, hertz, chosen, setting->relativeError};
}

void FrontPanel::NotifyStateChanged() const
{
    if (events_.stateChanged)
        events_.stateChanged();
}

void FrontPanel::NotifyConnectionChanged(bool connected) const
{
    if (events_.connectionChanged)
        events_.connectionChanged(connected);
}

void FrontPanel::NotifyTransferStarted() const
{
    if (events_.transferStarted)
        events_.transferStarted();
}

void FrontPanel::NotifyTransferEnded(const TransferOutcome& outcome) const
{
    if (events_.transferEnded)
        events_.transferEnded(outcome);
}

} // namespace dds
