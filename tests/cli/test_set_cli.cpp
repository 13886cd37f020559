#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "bench_cli_fixture.h"

using cli_test::Cli;
using cli_test::CliRun;

namespace {

class SetCli : public cli_test::BenchCli {};

TEST_F(SetCli, SendsWhatTheControlsSendBetweenConnectAndClosing)
{
    const CliRun run = Set({"--offset", "100", "--amplitude-step", "up:5", "--filter", "F3"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> expected{"0001", "000a9b", "00130501", "000e", "0002"};
    ExpectStarts(expected);
    EXPECT_EQ(run.out, "offset 100 (byte 155)\namplitude step up 5\nfilter F3\n");
}

TEST_F(SetCli, EachOptionAloneAndTheStepWithoutMove)
{
    ASSERT_EQ(Set({"--amplitude-step", "down:42"}).status, 0);
    ASSERT_EQ(Set({"--amplitude-step", "up:0"}).status, 0);
    ASSERT_EQ(Set({"--filter", "off"}).status, 0);
    ASSERT_EQ(Set({"--offset", "0"}).status, 0);
    // A step of 0 writes no direction byte, as the slider's release without a move does.
    std::vector<std::string> expected{"0001", "00132a00", "0002", "0001", "00130000", "0002",
                                      "0001", "000b", "0002", "0001", "000aff", "0002"};
    ExpectStarts(expected);
}

TEST_F(SetCli, ChecksEveryOptionBeforeSending)
{
    EXPECT_EQ(Set({"--offset", "10", "--filter", "F8"}).status, 2);
    EXPECT_EQ(Set({"--offset", "10", "--amplitude-step", "up:100"}).status, 2);
    EXPECT_EQ(Set({}).status, 2);
    EXPECT_EQ(Set({"--offset", "10", "--virtual-fault", "bogus"}).status, 2);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(SetCli, JsonAndVanishing)
{
    const CliRun run = Set({"--offset", "127", "--filter", "F7", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["device"], "virtual:generator");
    EXPECT_EQ(json["offset"], 127);
    EXPECT_EQ(json["offsetByte"], 128);
    EXPECT_EQ(json["filter"], "F7");
    EXPECT_FALSE(json.contains("amplitudeStep"));

    const CliRun step = Set({"--amplitude-step", "down:3", "--json"});
    const auto stepJson = nlohmann::json::parse(step.out);
    EXPECT_EQ(stepJson["amplitudeStep"]["direction"], "down");
    EXPECT_EQ(stepJson["amplitudeStep"]["steps"], 3);

    const size_t before = Lines().size();
    const CliRun vanished = Set({"--offset", "1", "--filter", "F1", "--virtual-fault", "unplug-after:2"});
    EXPECT_EQ(vanished.status, 4) << vanished.err;
    EXPECT_EQ(Lines().size(), before + 2); // connect and offset, then nothing
}

TEST_F(SetCli, HelpNamesEveryOptionAndExitStatus)
{
    const CliRun help = Cli({"set", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* text : {"--offset", "--amplitude-step", "--filter", "--device", "--virtual-fault", "--json",
                             "1 no generator", "2 bad options", "4 the generator vanished"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

} // namespace
