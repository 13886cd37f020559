#include <fstream>
#include <limits>
#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "editor/waveform_file.h"
#include "synthesis/noise_generator.h"
#include "synthesis/waveform_synthesis.h"

namespace dds::cli {
namespace {

constexpr int64_t kMaxCoefficient = std::numeric_limits<int32_t>::max();
constexpr int64_t kMaxSeed = std::numeric_limits<uint32_t>::max();

// The coefficient the preset buttons set: 15 for amplitude modulation, 10 for frequency modulation.
int32_t defaultCoefficient(WaveformKind kind)
{
    return kind == WaveformKind::FrequencyModulation ? 10 : 15;
}

WaveformTable synthesize(const OptionParser& options)
{
    const auto kind =
        static_cast<WaveformKind>(options.requiredInteger("kind", kFirstKind, kLastKind));
    WaveformParams params;
    params.amplitude = static_cast<int32_t>(options.integer("amplitude", 0, 100).value_or(100));
    params.shape = static_cast<int32_t>(options.integer("shape", 1, 99).value_or(50));
    params.vertical = static_cast<int32_t>(options.integer("vertical", -256, 256).value_or(0));
    params.coefficient = static_cast<int32_t>(
        options.integer("coefficient", 1, kMaxCoefficient).value_or(defaultCoefficient(kind)));
    const auto seed = options.integer("seed", 0, kMaxSeed);

    WaveformTable table;
    if (kind == WaveformKind::WhiteNoise) {
        NoiseGenerator noise;
        if (seed)
            noise.seed(static_cast<uint32_t>(*seed));
        else
            noise.seedFromClock();
        noise.tick(table);
    } else {
        ComputeWaveform(table, kind, params);
    }
    return table;
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
            "  --out FILE        write to FILE instead of standard output\n",
            [](CommandContext& c) {
                OptionParser options(c.args, {"kind", "amplitude", "shape", "vertical", "coefficient",
                                              "seed", "out"});
                const WaveformTable table = synthesize(options);
                if (auto out = options.text("out")) {
                    WriteWaveformFile(*out, table);
                } else {
                    c.out << FormatWaveformFile(table);
                }
                return 0;
            }};
}

} // namespace dds::cli
