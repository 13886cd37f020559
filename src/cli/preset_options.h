#pragma once
#include "cli/option_parser.h"
#include "synthesis/waveform_synthesis.h"

namespace dds::cli {

// The options that choose and shape a preset, shared by every command that synthesises one.
struct PresetChoice {
    WaveformKind kind;
    WaveformParams params;
};

// --kind (required) with --amplitude, --shape, --vertical and --coefficient at the controls'
// start values; the coefficient defaults to what the preset's button sets.
PresetChoice ParsePresetOptions(const OptionParser& options);

// The table of the preset; white noise is one tick of the noise generator seeded with `seed`, or
// from the clock when none is given.
WaveformTable SynthesizePreset(const PresetChoice& preset, std::optional<uint32_t> seed = {});

} // namespace dds::cli
