#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "cli/commands.h"
#include "cli/frequency_options.h"
#include "cli/option_parser.h"
#include "cli/waveform_choice.h"
#include "device/transfer_preview.h"
#include "synthesis/frequency_plan.h"

namespace dds::cli {
namespace {

int RunPreview(CommandContext& c)
{
    const OptionParser options(c.args,
                               WithFrequencyOptions({"kind", "amplitude", "shape", "vertical", "coefficient", "file"}),
                               WithFrequencyFlags({"json"}));
    const FrequencyChoice choice = ParseFrequencyOptions(options);
    const ChosenWaveform waveform = WaveformFromOptions(options);
    if (options.has("json")) {
        // One object in every case; white noise, the generator's own, has no bytes.
        nlohmann::json figures = ChoiceJson(choice);
        figures["bytes"] = waveform.kind == WaveformKind::WhiteNoise
                               ? std::vector<uint8_t>{}
                               : PlayedBytes(waveform.table, choice.setting.plan.sampleCount);
        c.out << figures.dump() << '\n';
        return 0;
    }
    // Standard output is the bytes alone; the setting, with the frequency it plays, goes beside them.
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
            "Usage: ddsgen-cli preview (--range R --position V | --frequency HZ [--played])\n"
            "           (--kind K [--amplitude A] [--shape D] [--vertical O] [--coefficient M]\n"
            "            | --file F) [--json]\n"
            "Prints the N bytes (N, the sample count of the range and position) that 'transfer'\n"
            "puts on the wire for the same settings, one decimal value per line: what the\n"
            "generator plays over one period. Nothing for white noise, which the generator makes\n"
            "itself (standard error says so). No generator is needed and nothing is written.\n"
            "  --range R, --position V, --frequency HZ, --played, --kind K and the shape options as\n"
            "                    for 'transfer'; the setting, with the frequency it plays (range clock\n"
            "                    / samples), goes to standard error\n"
            "  --file F          a waveform file (.xls) as it is, or a CSV, TXT or WAV file\n"
            "                    imported as 'import --scale auto' does\n"
            "  --json            one JSON object instead: the setting's figures as 'frequency --json'\n"
            "                    gives them, and \"bytes\", the list of bytes\n"
            "Exit status: 0 printed, 1 standard output could not be written, 2 bad options or a\n"
            "file that cannot be read.\n",
            RunPreview};
}

} // namespace dds::cli
