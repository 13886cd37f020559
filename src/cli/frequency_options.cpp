#include "cli/frequency_options.h"

#include <charconv>
#include <cmath>

#include "cli/cli_command.h"

namespace dds::cli {
namespace {

// Shortest text that reads back as the same value, without an exponent; no locale.
std::string PlainNumber(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string Percent(double fraction)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, fraction * 100, std::chars_format::fixed, 4);
    std::string digits(buffer, result.ptr);
    // A difference too small to show is no sign either: "+0.0000%", never "-0.0000%".
    if (digits.find_first_not_of("-0.") == std::string::npos)
        digits.erase(0, digits.front() == '-' ? 1 : 0);
    return (digits.front() == '-' ? digits : "+" + digits) + "%";
}

namespace {

double ParseHertz(const std::string& text)
{
    const FrequencySpan span = PlanSpan();
    double hertz = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, hertz);
    if (ec != std::errc() || end != last || !std::isfinite(hertz) || !NearestFrequencySetting(hertz))
        throw UsageError("--frequency must be a number of hertz from " + PlainNumber(span.lowest) +
                         " to " + PlainNumber(span.highest) + " (got '" + text + "')");
    return hertz;
}

FrequencyChoice SetByRangeAndPosition(const OptionParser& options)
{
    const auto range = static_cast<int32_t>(options.requiredInteger("range", kFirstRange, kLastRange));
    const auto position =
        static_cast<int32_t>(options.requiredInteger("position", kSliderMinimum, kSliderMaximum));
    FrequencyPlan plan = *PlanFrequency(range, position);
    const double hertz = plan.hertz();
    return {MeasuredSetting(std::move(plan), position, hertz), false};
}

} // namespace

std::set<std::string> WithFrequencyOptions(std::set<std::string> names)
{
    names.insert({"range", "position", "frequency"});
    return names;
}

std::set<std::string> WithFrequencyFlags(std::set<std::string> flags)
{
    flags.insert("played");
    return flags;
}

FrequencyChoice ParseFrequencyOptions(const OptionParser& options)
{
    const auto wanted = options.text("frequency");
    if (!wanted) {
        if (options.has("played"))
            throw UsageError("--played goes with --frequency");
        return SetByRangeAndPosition(options);
    }
    if (options.has("range") || options.has("position"))
        throw UsageError("give either --frequency or --range with --position");
    const bool played = options.has("played");
    const FrequencyMeasure measure = played ? FrequencyMeasure::Played : FrequencyMeasure::Set;
    return {*NearestFrequencySetting(ParseHertz(*wanted), measure), true, played};
}

void ChooseOnPanel(FrontPanel& panel, const FrequencyChoice& choice)
{
    if (choice.searched)
        panel.ChooseFrequency(choice.setting.wantedHertz,
                              choice.played ? FrequencyRule::Played : FrequencyRule::Nominal);
    else
        panel.ChooseSetting(choice.setting.plan.range, choice.setting.position);
}

std::string ChoiceText(const FrequencyChoice& choice)
{
    const FrequencySetting& s = choice.setting;
    std::string text = "range " + std::to_string(s.plan.range) + ", position " + std::to_string(s.position) + ", "
                       + s.plan.displayText() + ", " + std::to_string(s.plan.sampleCount) + " samples";
    if (choice.searched)
        text += ", relative error " + Percent(s.relativeError);
    return text + "; played " + PlayedFrequencyText(s.plan, kPlayedExtraDecimals) + ", relative error "
           + Percent(s.playedRelativeError);
}

nlohmann::json ChoiceJson(const FrequencyChoice& choice)
{
    const FrequencySetting& s = choice.setting;
    nlohmann::json json{
        {"range", s.plan.range},
        {"position", s.position},
        {"hertz", s.plan.hertz()},
        {"frequencyText", s.plan.frequencyText},
        {"unit", s.plan.unit.substr(1)}, // the display's unit without its leading space
        {"displayText", s.plan.displayText()},
        {"sampleCount", s.plan.sampleCount},
        {"playedHertz", static_cast<double>(PlayedHertz(s.plan))},
        {"playedText", PlayedFrequencyText(s.plan, kPlayedExtraDecimals)},
        {"playedRelativeError", s.playedRelativeError},
    };
    if (choice.searched) {
        json["wantedHertz"] = s.wantedHertz;
        json["relativeError"] = s.relativeError;
    }
    return json;
}

} // namespace dds::cli
