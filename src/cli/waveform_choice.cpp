#include "cli/waveform_choice.h"

#include "cli/cli_command.h"
#include "cli/preset_options.h"
#include "editor/waveform_import.h"

namespace dds::cli {

ChosenWaveform WaveformFromOptions(const OptionParser& options)
{
    const auto file = options.path("file");
    if (file.has_value() == options.has("kind"))
        throw UsageError("give either --kind or --file");
    if (!file) {
        const PresetChoice preset = ParsePresetOptions(options);
        return {preset.kind, SynthesizePreset(preset)};
    }
    for (const char* preset : {"amplitude", "shape", "vertical", "coefficient"})
        if (options.has(preset))
            throw UsageError(std::string("--") + preset + " goes with --kind, not with --file");
    ChosenWaveform waveform;
    waveform.table = ReadAnyWaveformFile(*file);
    return waveform;
}

} // namespace dds::cli
