#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "synthesis/frequency_plan.h"

namespace dds::cli {

CliCommand FrequencyCommand()
{
    return {"frequency", "print the frequency and sample count of a range and slider position",
            "Usage: ddsgen-cli frequency --range R --position V\n"
            "Prints the frequency display text with its unit, a tab, and the sample count.\n"
            "  --range R      frequency range 1..7 (1 Hz, 10 Hz, 100 Hz, 1 kHz, 10 kHz, 100 kHz, 1 MHz)\n"
            "  --position V   frequency slider position 0..90\n",
            [](CommandContext& c) {
                OptionParser options(c.args, {"range", "position"});
                const auto range = options.requiredInteger("range", kFirstRange, kLastRange);
                const auto position =
                    options.requiredInteger("position", kSliderMinimum, kSliderMaximum);
                const FrequencyPlan plan = *PlanFrequency(static_cast<int32_t>(range), static_cast<int32_t>(position));
                c.out << plan.displayText() << "\t" << plan.sampleCount << "\n";
                return 0;
            }};
}

} // namespace dds::cli
