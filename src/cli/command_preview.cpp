#include <ostream>

#include "cli/commands.h"
#include "cli/frequency_options.h"
#include "cli/option_parser.h"
#include "cli/waveform_choice.h"
#include "device/transfer_preview.h"
#include "editor/waveform_file.h"
#include "synthesis/frequency_plan.h"

namespace dds::cli {
namespace {

int RunPreview(CommandContext& c)
{
    const OptionParser options(c.args,
                               WithFrequencyOptions({"kind", "amplitude", "shape", "vertical", "coefficient", "file"}));
    const FrequencyChoice choice = ParseFrequencyOptions(options);
    const ChosenWaveform waveform = WaveformFromOptions(options);
    // Standard output is the bytes alone; the chosen setting goes beside them.
    if (choice.searched)
        c.err << ChoiceText(choice) << "\n";
    // White noise is the generator's own: a transfer sends no sample bytes for it.
    if (waveform.kind == WaveformKind::WhiteNoise) {
        c.err << "white noise: the generator makes the noise itself; a transfer sends no samples\n";
        return 0;
    }
    for (const uint8_t byte : PlayedBytes(waveform.table, choice.setting.plan.sampleCount))
        c.out << static_cast<int>(byte) << '\n';
    return 0;
}

} // namespace

CliCommand PreviewCommand()
{
    return {"preview", "print the sample bytes a transfer sends, one per line",
            "Usage: ddsgen-cli preview (--range R --position V | --frequency HZ)\n"
            "           (--kind K [--amplitude A] [--shape D] [--vertical O] [--coefficient M]\n"
            "            | --file F)\n"
            "Prints the N bytes (N, the sample count of the range and position) that 'transfer'\n"
            "puts on the wire for the same settings, one decimal value per line: what the\n"
            "generator plays over one period. Nothing for white noise, which the generator makes\n"
            "itself (standard error says so). No generator is needed and nothing is written.\n"
            "  --range R, --position V, --frequency HZ, --kind K and the shape options as for\n"
            "                    'transfer'; the setting --frequency chose goes to standard error\n"
            "  --file F          a waveform file (.xls) as it is, or a CSV, TXT or WAV file\n"
            "                    imported as 'import --scale auto' does\n"
            "Exit status: 0 printed, 2 bad options or a file that cannot be read.\n",
            [](CommandContext& c) {
                try {
                    return RunPreview(c);
                } catch (const WaveformFileError& e) {
                    throw UsageError(e.what());
                }
            }};
}

} // namespace dds::cli
