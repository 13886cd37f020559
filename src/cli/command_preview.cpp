#include <nlohmann/json.hpp>
#include <ostream>
#include <vector>

#include "cli/commands.h"
#include "cli/frequency_options.h"
#include "cli/generator_session.h"
#include "cli/option_parser.h"
#include "cli/waveform_choice.h"
#include "device/transfer_preview.h"
#include "device/virtual_hid_bus.h"
#include "panel/headless_panel.h"

namespace dds::cli {
namespace {

// The front panel's table and setting after the options' choices, on a panel no generator reaches.
PanelState PanelAfter(const FrequencyChoice& choice, const ChosenWaveform& waveform)
{
    const auto application = EnsureApplication();
    HeadlessPanelOptions silent;
    silent.greeting = Greeting::OnFirstReport;
    HeadlessPanel panel(std::make_shared<VirtualHidBus>(), silent);
    ChooseOnPanel(panel, choice);
    ChooseOnPanel(panel, waveform);
    return panel.State();
}

int RunPreview(CommandContext& c)
{
    const OptionParser options(c.args,
                               WithFrequencyOptions({"kind", "amplitude", "shape", "vertical", "coefficient", "file"}),
                               WithFrequencyFlags({"json"}));
    const FrequencyChoice choice = ParseFrequencyOptions(options);
    const PanelState state = PanelAfter(choice, WaveformFromOptions(options));
    // White noise is the generator's own: a transfer sends no sample bytes for it.
    const bool noise = state.kind == WaveformKind::WhiteNoise;
    const std::vector<uint8_t> bytes = noise ? std::vector<uint8_t>{} : PlayedBytes(state.table, state.sampleCount);
    if (options.has("json")) {
        // One object in every case.
        nlohmann::json figures = ChoiceJson(choice);
        figures["bytes"] = bytes;
        c.out << figures.dump() << '\n';
        return 0;
    }
    // Standard output is the bytes alone; the setting, with the frequency it plays, goes beside them.
    c.err << ChoiceText(choice) << "\n";
    if (noise)
        c.err << "white noise: the generator makes the noise itself; a transfer sends no samples\n";
    for (const uint8_t byte : bytes)
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
