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

std::string Percent(double fraction)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, fraction * 100, std::chars_format::fixed, 4);
    const std::string digits(buffer, result.ptr);
    return (digits.front() == '-' ? digits : "+" + digits) + "%";
}

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
    return {{std::move(plan), position, hertz, 0}, false};
}

} // namespace

std::set<std::string> WithFrequencyOptions(std::set<std::string> names)
{
    names.insert({"range", "position", "frequency"});
    return names;
}

FrequencyChoice ParseFrequencyOptions(const OptionParser& options)
{
    const auto wanted = options.text("frequency");
    if (!wanted)
        return SetByRangeAndPosition(options);
    if (options.has("range") || options.has("position"))
        throw UsageError("give either --frequency or --range with --position");
    return {*NearestFrequencySetting(ParseHertz(*wanted)), true};
}

std::string ChoiceText(const FrequencyChoice& choice)
{
    const FrequencySetting& s = choice.setting;
    return "range " + std::to_string(s.plan.range) + ", position " + std::to_string(s.position) + ", " +
           s.plan.displayText() + ", " + std::to_string(s.plan.sampleCount) + " samples, relative error " +
           Percent(s.relativeError);
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
    };
    if (choice.searched) {
        json["wantedHertz"] = s.wantedHertz;
        json["relativeError"] = s.relativeError;
    }
    return json;
}

} // namespace dds::cli
