#pragma once
#include <optional>

#include "cli/option_parser.h"
#include "cli/preset_options.h"
#include "panel/front_panel.h"
#include "synthesis/waveform_table.h"

namespace dds::cli {

// The waveform a command sends: a preset (--kind and its shape options) or a file (--file F: a
// waveform file as it is, or any file the window imports).
struct ChosenWaveform {
    std::optional<PresetChoice> preset;
    WaveformTable table; // the file's, when no preset
};

// The options --kind, --amplitude, --shape, --vertical, --coefficient and --file; exactly one of
// --kind and --file. UsageError for bad input, the file's own error for a file that cannot be read.
ChosenWaveform WaveformFromOptions(const OptionParser& options);

// The preset's button with its shape controls, or the file's table loaded as opening it does (the
// kind stays the program's start kind).
void ChooseOnPanel(FrontPanel& panel, const ChosenWaveform& waveform);

} // namespace dds::cli
