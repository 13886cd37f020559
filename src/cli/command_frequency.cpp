#include <ostream>

#include "cli/commands.h"
#include "cli/frequency_options.h"
#include "cli/option_parser.h"

namespace dds::cli {

CliCommand FrequencyCommand()
{
    return {"frequency", "print the frequency and sample count of a range and slider position",
            "Usage: ddsgen-cli frequency (--range R --position V | --frequency HZ) [--json]\n"
            "Prints the frequency display text with its unit, a tab, and the sample count.\n"
            "With --frequency, prints the setting chosen instead: range, position, display text,\n"
            "sample count and the relative error against HZ.\n"
            "  --range R       frequency range 1..7 (1 Hz, 10 Hz, 100 Hz, 1 kHz, 10 kHz, 100 kHz, 1 MHz)\n"
            "  --position V    frequency slider position 0..90\n"
            "  --frequency HZ  the setting nearest to HZ (0.1 to 1000000); of two equally near, the\n"
            "                  one with more samples per period\n"
            "  --json          one JSON object with the same figures\n"
            "Exit status: 0, or 2 for bad options.\n",
            [](CommandContext& c) {
                OptionParser options(c.args, WithFrequencyOptions({}), {"json"});
                const FrequencyChoice choice = ParseFrequencyOptions(options);
                const FrequencyPlan& plan = choice.setting.plan;
                if (options.has("json"))
                    c.out << ChoiceJson(choice).dump() << "\n";
                else if (choice.searched)
                    c.out << ChoiceText(choice) << "\n";
                else
                    c.out << plan.displayText() << "\t" << plan.sampleCount << "\n";
                return 0;
            }};
}

} // namespace dds::cli
