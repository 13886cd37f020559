#pragma once
#include "cli/option_parser.h"
#include "synthesis/waveform_kind.h"
#include "synthesis/waveform_table.h"

namespace dds::cli {

// The waveform a command sends: a preset (--kind and its shape options) or a file (--file F: a
// waveform file as it is, or any file the window imports).
struct ChosenWaveform {
    WaveformKind kind = WaveformKind::Sine; // a loaded file keeps the program's start kind
    WaveformTable table;
};

// The options --kind, --amplitude, --shape, --vertical, --coefficient and --file; exactly one of
// --kind and --file. UsageError for bad input, the file's own error for a file that cannot be read.
ChosenWaveform WaveformFromOptions(const OptionParser& options);

} // namespace dds::cli
