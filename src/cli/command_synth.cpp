#include <limits>
#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "cli/output_file.h"
#include "cli/preset_options.h"
#include "editor/waveform_file.h"

namespace dds::cli {
namespace {

constexpr int64_t kMaxSeed = std::numeric_limits<uint32_t>::max();

WaveformTable synthesize(const OptionParser& options)
{
    const PresetChoice preset = ParsePresetOptions(options);
    std::optional<uint32_t> seed;
    if (auto given = options.integer("seed", 0, kMaxSeed))
        seed = static_cast<uint32_t>(*given);
    return SynthesizePreset(preset, seed);
}

} // namespace

CliCommand SynthCommand()
{
    return {"synth", "write the sample table of a preset waveform in the waveform file format",
            "Usage: ddsgen-cli synth --kind K [--amplitude A] [--shape D] [--vertical O]\n"
            "                        [--coefficient M] [--seed S] [--out FILE]\n"
            "Writes the 3200-sample table of a preset, one value per line with CR LF, to FILE or to\n"
            "standard output.\n"
            "  --kind K          1 sine, 2 rectangle, 3 triangle, 4 falling ramp, 5 rising ramp,\n"
            "                    6 capacitor charge and discharge, 7 capacitor charge,\n"
            "                    8 capacitor discharge, 9 amplitude modulation, 10 DC,\n"
            "                    11 frequency modulation, 12 white noise\n"
            "  --amplitude A     amplitude knob 0..100 (default 100)\n"
            "  --shape D         shape knob 1..99: duty cycle, slope or RC constant (default 50)\n"
            "  --vertical O      vertical position -256..256 (default 0)\n"
            "  --coefficient M   frequency coefficient >= 1 (default 15; 10 for kind 11)\n"
            "  --seed S          white noise only: seed 0..4294967295 of one noise tick\n"
            "                    (default: the high-resolution clock)\n"
            "  --out FILE        write to FILE instead of standard output (a regular file is replaced\n"
            "                    whole or not at all; a device or a FIFO is written in place)\n"
            "Exit status: 0 written, 1 the table could not be written, 2 bad options.\n",
            [](CommandContext& c) {
                OptionParser options(c.args, {"kind", "amplitude", "shape", "vertical", "coefficient",
                                              "seed", "out"});
                const auto out = options.path("out");
                const WaveformTable table = synthesize(options);
                if (out)
                    WriteOutputFile(*out, FormatWaveformFile(table));
                else
                    c.out << FormatWaveformFile(table);
                return 0;
            }};
}

} // namespace dds::cli
