#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_command.h"
#include "editor/waveform_file.h"
#include "synthesis/waveform_synthesis.h"

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun cli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = dds::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliFrequency, PrintsDisplayTextTabAndSampleCount)
{
    EXPECT_EQ(cli({"frequency", "--range", "1", "--position", "6"}).out, "0.16 Hz\t1999\t0.16008 Hz\t+0.0500%\n");
    EXPECT_EQ(cli({"frequency", "--position", "90", "--range", "7"}).out, "1000 kHz\t32\t1000.000 kHz\t+0.0000%\n");
}

TEST(CliFrequency, BadInputNamesTheOptionAndItsRange)
{
    const CliRun range = cli({"frequency", "--range", "0", "--position", "6"});
    EXPECT_EQ(range.status, 2);
    EXPECT_NE(range.err.find("--range must be a whole number from 1 to 7"), std::string::npos);
    EXPECT_EQ(std::count(range.err.begin(), range.err.end(), '\n'), 1);
    EXPECT_EQ(cli({"frequency", "--range", "3", "--position", "91"}).status, 2);
    EXPECT_EQ(cli({"frequency", "--range", "3", "--position", "1x"}).status, 2);
    EXPECT_EQ(cli({"frequency", "--range", "3"}).status, 2);
    EXPECT_EQ(cli({"frequency", "--range", "3", "--position"}).status, 2);
    EXPECT_EQ(cli({"frequency", "--colour", "red"}).status, 2);
    EXPECT_EQ(cli({"nonsense"}).status, 2);
    EXPECT_EQ(cli({}).status, 2);
}

TEST(CliSynth, WritesThePresetWithTheControlsStartValues)
{
    const CliRun run = cli({"synth", "--kind", "1"});
    ASSERT_EQ(run.status, 0);
    dds::WaveformTable expected;
    dds::ComputeWaveform(expected, dds::WaveformKind::Sine, {});
    EXPECT_EQ(run.out, dds::FormatWaveformFile(expected));
}

TEST(CliSynth, CoefficientDefaultsFollowThePresetButtons)
{
    dds::WaveformParams fm;
    fm.coefficient = 10;
    dds::WaveformTable expected;
    dds::ComputeWaveform(expected, dds::WaveformKind::FrequencyModulation, fm);
    EXPECT_EQ(cli({"synth", "--kind", "11"}).out, dds::FormatWaveformFile(expected));
    EXPECT_EQ(cli({"synth", "--kind", "11", "--coefficient", "10"}).out, cli({"synth", "--kind", "11"}).out);
    EXPECT_NE(cli({"synth", "--kind", "9"}).out, cli({"synth", "--kind", "9", "--coefficient", "10"}).out);
}

TEST(CliSynth, NoiseFromASeedIsRepeatable)
{
    const CliRun a = cli({"synth", "--kind", "12", "--seed", "4294967295"});
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, cli({"synth", "--kind", "12", "--seed", "4294967295"}).out);
    EXPECT_NE(a.out, cli({"synth", "--kind", "12", "--seed", "1"}).out);
}

TEST(CliSynth, BadOptionWritesNothingToOut)
{
    const fs::path out = fs::temp_directory_path() / ("ddsgen_cli_" + std::to_string(::getpid()) + ".xls");
    fs::remove(out);
    for (auto bad : std::vector<std::vector<std::string>>{
             {"--kind", "13"}, {"--kind", "1", "--amplitude", "101"}, {"--kind", "2", "--shape", "0"},
             {"--kind", "2", "--shape", "100"}, {"--kind", "1", "--vertical", "-257"},
             {"--kind", "9", "--coefficient", "0"}, {"--kind", "12", "--seed", "-1"}}) {
        bad.insert(bad.begin(), "synth");
        bad.insert(bad.end(), {"--out", out.string()});
        EXPECT_EQ(cli(bad).status, 2) << bad[2];
        EXPECT_FALSE(fs::exists(out)) << bad[2];
    }
    ASSERT_EQ(cli({"synth", "--kind", "10", "--out", out.string()}).status, 0);
    EXPECT_EQ(fs::file_size(out), 16000u);
    fs::remove(out);
}

TEST(CliHelp, DescribesEveryOption)
{
    const CliRun overview = cli({"--help"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_NE(overview.out.find("frequency"), std::string::npos);
    EXPECT_NE(overview.out.find("synth"), std::string::npos);
    const std::string synth = cli({"synth", "--help"}).out;
    for (const char* option : {"--kind", "--amplitude", "--shape", "--vertical", "--coefficient",
                               "--seed", "--out"})
        EXPECT_NE(synth.find(option), std::string::npos) << option;
}

} // namespace
