#include <ostream>

#include "cli/commands.h"
#include "cli/frequency_options.h"
#include "cli/option_parser.h"

namespace dds::cli {

CliCommand FrequencyCommand()
{
    return {"frequency", "print the frequency and sample count of a range and slider position",
            "Usage: ddsgen-cli frequency (--range R --position V | --frequency HZ [--played]) [--json]\n"
            "Prints the frequency display text with its unit, a tab, the sample count, a tab, the\n"
            "frequency the generator plays (the range clock over the sample count, with three more\n"
            "decimals than the display), a tab and its relative error to the displayed one, e.g.\n"
            "\"950 kHz<TAB>33<TAB>969.697 kHz<TAB>+2.0734%\".\n"
            "With --frequency, prints the setting chosen instead: range, position, display text,\n"
            "sample count and the relative error against HZ, then the played frequency and its\n"
            "relative error against HZ.\n"
            "  --range R       frequency range 1..7 (1 Hz, 10 Hz, 100 Hz, 1 kHz, 10 kHz, 100 kHz, 1 MHz)\n"
            "  --position V    frequency slider position 0..90\n"
            "  --frequency HZ  the setting whose displayed frequency is nearest to HZ (0.1 to 1000000);\n"
            "                  of two equally near, the one with more samples per period\n"
            "  --played        with --frequency: the setting whose played frequency is nearest to HZ\n"
            "  --json          one JSON object with the same figures: hertz and playedHertz, the texts,\n"
            "                  sampleCount, and the relative errors relativeError and\n"
            "                  playedRelativeError as fractions (0.0207 is +2.07%)\n"
            "Exit status: 0, 1 standard output could not be written, 2 bad options.\n",
            [](CommandContext& c) {
                OptionParser options(c.args, WithFrequencyOptions({}), WithFrequencyFlags({"json"}));
                const FrequencyChoice choice = ParseFrequencyOptions(options);
                const FrequencySetting& s = choice.setting;
                if (options.has("json"))
                    c.out << ChoiceJson(choice).dump() << "\n";
                else if (choice.searched)
                    c.out << ChoiceText(choice) << "\n";
                else
                    c.out << s.plan.displayText() << "\t" << s.plan.sampleCount << "\t"
                          << PlayedFrequencyText(s.plan, kPlayedExtraDecimals) << "\t" << Percent(s.playedRelativeError)
                          << "\n";
                return 0;
            }};
}

} // namespace dds::cli
