#pragma once
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "cli/option_parser.h"
#include "panel/front_panel.h"
#include "synthesis/frequency_search.h"

namespace dds::cli {

// The frequency a command works at: given as --range R --position V, or as --frequency HZ, which
// picks the setting whose set frequency (or with --played, whose played frequency) is nearest.
struct FrequencyChoice {
    FrequencySetting setting; // for --range/--position the wanted frequency is the set one
    bool searched = false;    // chosen by --frequency
    bool played = false;      // --played: by the frequency the generator plays
};

// Digits the played frequency shows beyond the display's: "969.697 kHz" beside "950 kHz".
inline constexpr int kPlayedExtraDecimals = 3;

// `names` with the valued options ParseFrequencyOptions reads, and `flags` with its flag
// (--played), for the command's OptionParser.
std::set<std::string> WithFrequencyOptions(std::set<std::string> names);
std::set<std::string> WithFrequencyFlags(std::set<std::string> flags);

// UsageError for a missing, mixed or bad choice: HZ that is not a number or lies outside the
// plan's span, a range outside 1..7 or a position outside 0..90.
FrequencyChoice ParseFrequencyOptions(const OptionParser& options);

// The choice made on the front panel: the setting, or the search for --frequency's hertz.
void ChooseOnPanel(FrontPanel& panel, const FrequencyChoice& choice);

// "range 7, position 83, 950 kHz, 33 samples, relative error +0.0000%; played 969.697 kHz,
// relative error +2.0734%": the set frequency as the window shows it, then what the generator plays
// (range clock / sample count), each against what --frequency asked for; without --frequency,
// the played one against the set one.
std::string ChoiceText(const FrequencyChoice& choice);
// The same figures: range, position, hertz, frequencyText, unit, displayText, sampleCount,
// playedHertz, playedText, playedRelativeError, and for --frequency wantedHertz and relativeError.
// Relative errors are fractions (0.0207 for +2.07%).
nlohmann::json ChoiceJson(const FrequencyChoice& choice);
// "+2.0734%".
std::string Percent(double fraction);

} // namespace dds::cli
