#pragma once
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "cli/option_parser.h"
#include "synthesis/frequency_search.h"

namespace dds::cli {

// The frequency a command works at: given as --range R --position V, or as --frequency HZ, which
// picks the nearest setting.
struct FrequencyChoice {
    FrequencySetting setting; // for --range/--position the wanted frequency is the set one
    bool searched = false;    // chosen by --frequency
};

// `names` with the options ParseFrequencyOptions reads, for the command's OptionParser.
std::set<std::string> WithFrequencyOptions(std::set<std::string> names);

// UsageError for a missing, mixed or bad choice: HZ that is not a number or lies outside the
// plan's span, a range outside 1..7 or a position outside 0..90.
FrequencyChoice ParseFrequencyOptions(const OptionParser& options);

// "range 5, position 5, 1500 Hz, 2133 samples, relative error +0.0000%".
std::string ChoiceText(const FrequencyChoice& choice);
// The same figures: range, position, hertz, frequencyText, unit, displayText, sampleCount, and
// for --frequency wantedHertz and relativeError.
nlohmann::json ChoiceJson(const FrequencyChoice& choice);

} // namespace dds::cli
