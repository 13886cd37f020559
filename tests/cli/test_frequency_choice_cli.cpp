#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_command.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Frequency(std::vector<std::string> args)
{
    std::ostringstream out, err;
    args.insert(args.begin(), "frequency");
    const int status = dds::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(FrequencyChoiceCli, PrintsTheChosenSettingAndItsError)
{
    EXPECT_EQ(Frequency({"--frequency", "1500"}).out, "range 5, position 5, 1500 Hz, 2133 samples, relative error "
                                                      "+0.0000%; played 1500.234 Hz, relative error +0.0156%\n");
    EXPECT_EQ(Frequency({"--frequency", "1.5e3"}).out, Frequency({"--frequency", "1500"}).out);
    EXPECT_EQ(Frequency({"--frequency", "1540"}).out, "range 5, position 5, 1500 Hz, 2133 samples, relative error "
                                                      "-2.5974%; played 1500.234 Hz, relative error -2.5822%\n");
    // The plan's edges.
    EXPECT_EQ(Frequency({"--frequency", "0.1"}).out, "range 1, position 0, 0.10 Hz, 3200 samples, relative error "
                                                     "+0.0000%; played 0.10000 Hz, relative error +0.0000%\n");
    EXPECT_EQ(Frequency({"--frequency", "1000000"}).out,
              "range 7, position 88, 1000 kHz, 32 samples, relative "
              "error +0.0000%; played 1000.000 kHz, relative error +0.0000%\n");
    // Where ranges meet, the setting with more samples per period.
    EXPECT_EQ(Frequency({"--frequency", "1000"}).out, "range 5, position 0, 1000 Hz, 3200 samples, relative error "
                                                      "+0.0000%; played 1000.000 Hz, relative error +0.0000%\n");
    // 33 samples at 32 MHz play 969.7 kHz, not the 950 kHz shown.
    EXPECT_EQ(Frequency({"--frequency", "950000"}).out, "range 7, position 83, 950 kHz, 33 samples, relative error "
                                                        "+0.0000%; played 969.697 kHz, relative error +2.0734%\n");
    // --played chooses by what is played: 850 kHz plays 864.9 kHz, nearer 880 kHz than 900 kHz's 914.3.
    EXPECT_EQ(Frequency({"--frequency", "880000"}).out, "range 7, position 78, 900 kHz, 35 samples, relative error "
                                                        "+2.2727%; played 914.286 kHz, relative error +3.8961%\n");
    EXPECT_EQ(Frequency({"--frequency", "880000", "--played"}).out,
              "range 7, position 73, 850 kHz, 37 samples, relative error -3.4091%; played 864.865 kHz, relative "
              "error -1.7199%\n");
    EXPECT_EQ(Frequency({"--range", "7", "--position", "83", "--played"}).status, 2) << "--played needs --frequency";
}

TEST(FrequencyChoiceCli, RefusesWhatIsNotAFrequencyOfThePlan)
{
    for (const char* bad : {"0.0999", "1000001", "0", "-1500", "abc", "1500Hz", "", "nan", "inf", "1e400"}) {
        const CliRun run = Frequency({"--frequency", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
        EXPECT_NE(run.err.find("--frequency must be a number of hertz from 0.1 to 1000000"), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(Frequency({"--frequency", "1500", "--range", "5"}).status, 2);
    EXPECT_EQ(Frequency({"--frequency", "1500", "--position", "5"}).status, 2);
    EXPECT_EQ(Frequency({}).status, 2);
}

TEST(FrequencyChoiceCli, JsonCarriesEveryFigureOfTheText)
{
    const CliRun searched = Frequency({"--frequency", "1540", "--json"});
    ASSERT_EQ(searched.status, 0) << searched.err;
    const auto json = nlohmann::json::parse(searched.out);
    EXPECT_EQ(json["range"], 5);
    EXPECT_EQ(json["position"], 5);
    EXPECT_EQ(json["hertz"], 1500.0);
    EXPECT_EQ(json["frequencyText"], "1500");
    EXPECT_EQ(json["unit"], "Hz");
    EXPECT_EQ(json["displayText"], "1500 Hz");
    EXPECT_EQ(json["sampleCount"], 2133);
    EXPECT_EQ(json["wantedHertz"], 1540.0);
    EXPECT_DOUBLE_EQ(json["relativeError"].get<double>(), -40.0 / 1540);
    EXPECT_DOUBLE_EQ(json["playedHertz"].get<double>(), 3'200'000.0 / 2133);
    EXPECT_EQ(json["playedText"], "1500.234 Hz");
    EXPECT_NEAR(json["playedRelativeError"].get<double>(), (3'200'000.0 / 2133 - 1540) / 1540, 1e-15);

    const auto set = nlohmann::json::parse(Frequency({"--range", "7", "--position", "41", "--json"}).out);
    EXPECT_EQ(set["displayText"], "550 kHz");
    EXPECT_EQ(set["hertz"], 550000.0);
    EXPECT_EQ(set["sampleCount"], 58);
    EXPECT_FALSE(set.contains("relativeError"));
    EXPECT_NEAR(set["playedRelativeError"].get<double>(), (32e6 / 58 - 550e3) / 550e3, 1e-15);
    EXPECT_EQ(Frequency({"--range", "7", "--position", "41"}).out, "550 kHz\t58\t551.724 kHz\t+0.3135%\n");
}

} // namespace
