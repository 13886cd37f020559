#include "cli/preset_options.h"

#include <limits>

#include "synthesis/control_start.h"
#include "synthesis/noise_generator.h"

namespace dds::cli {

PresetChoice ParsePresetOptions(const OptionParser& options)
{
    PresetChoice preset{
        static_cast<WaveformKind>(options.requiredInteger("kind", kFirstKind, kLastKind)), {}};
    WaveformParams& p = preset.params;
    p.amplitude = static_cast<int32_t>(options.integer("amplitude", kAmplitudeMinimum, kAmplitudeMaximum).value_or(kStartAmplitude));
    p.shape = static_cast<int32_t>(options.integer("shape", kShapeMinimum, kShapeMaximum).value_or(kStartShape));
    p.vertical = static_cast<int32_t>(
        options.integer("vertical", kVerticalMinimum, kVerticalMaximum).value_or(kStartVertical));
    p.coefficient = static_cast<int32_t>(
        options.integer("coefficient", kCoefficientMinimum, std::numeric_limits<int32_t>::max())
            .value_or(StartCoefficientFor(preset.kind)));
    return preset;
}

WaveformTable SynthesizePreset(const PresetChoice& preset, std::optional<uint32_t> seed)
{
    WaveformTable table;
    if (preset.kind != WaveformKind::WhiteNoise) {
        ComputeWaveform(table, preset.kind, preset.params);
        return table;
    }
    NoiseGenerator noise;
    if (seed)
        noise.seed(*seed);
    else
        noise.seedFromClock();
    noise.tick(table);
    return table;
}

} // namespace dds::cli
