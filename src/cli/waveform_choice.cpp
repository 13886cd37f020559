#include "cli/waveform_choice.h"

#include "cli/cli_command.h"
#include "editor/waveform_import.h"

namespace dds::cli {

ChosenWaveform WaveformFromOptions(const OptionParser& options)
{
    const auto file = options.path("file");
    if (file.has_value() == options.has("kind"))
        throw UsageError("give either --kind or --file");
    if (!file)
        return {ParsePresetOptions(options), {}};
    for (const char* preset : {"amplitude", "shape", "vertical", "coefficient"})
        if (options.has(preset))
            throw UsageError(std::string("--") + preset + " goes with --kind, not with --file");
    ChosenWaveform waveform;
    waveform.table = ReadAnyWaveformFile(*file);
    return waveform;
}

void ChooseOnPanel(FrontPanel& panel, const ChosenWaveform& waveform)
{
    if (!waveform.preset) {
        panel.LoadTable(waveform.table);
        return;
    }
    const WaveformParams& p = waveform.preset->params;
    panel.ChoosePreset(waveform.preset->kind, {p.amplitude, p.shape, p.vertical, p.coefficient});
}

} // namespace dds::cli
