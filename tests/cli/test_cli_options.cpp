#include <gtest/gtest.h>

#include "cli/cli_command.h"
#include "cli/exit_status.h"
#include "cli/set_options.h"
#include "cli/virtual_faults.h"

using namespace std::chrono_literals;
using dds::cli::UsageError;

namespace {

TEST(VirtualFaultSwitches, EachSwitchAndSeveralTogether)
{
    const auto none = dds::cli::ParseVirtualFaults({});
    EXPECT_FALSE(none.noAcknowledgement || none.flood || none.ackLatency || none.unplugAfterReports);

    const auto all = dds::cli::ParseVirtualFaults({"no-ack", "late-ack:250", "unplug-after:7", "flood"});
    EXPECT_TRUE(all.noAcknowledgement);
    EXPECT_EQ(all.ackLatency, 250ms);
    EXPECT_EQ(all.unplugAfterReports, 7u);
    EXPECT_TRUE(all.flood);
    EXPECT_EQ(dds::cli::ParseVirtualFaults({"late-ack:0"}).ackLatency, 0ms);
}

TEST(VirtualFaultSwitches, BadSwitchesAreUsageErrors)
{
    for (const char* bad : {"", "no-ack:1", "flood:5", "late-ack", "late-ack:", "late-ack:-1", "late-ack:1x",
                            "late-ack:600001", "unplug-after:0", "unplug-after", "unplug", "NO-ACK", "no_ack"})
        EXPECT_THROW(dds::cli::ParseVirtualFaults({bad}), UsageError) << bad;
    EXPECT_THROW(dds::cli::ParseVirtualFaults({"late-ack:5", "late-ack:6"}), UsageError);
    EXPECT_THROW(dds::cli::ParseVirtualFaults({"flood", "flood"}), UsageError);
}

dds::cli::SetRequest ParseSet(const std::vector<std::string>& args)
{
    dds::cli::OptionParser options(args, {"offset", "amplitude-step", "filter"});
    return dds::cli::ParseSetOptions(options);
}

TEST(SetOptions, OffsetStepAndFilterAreReadTogether)
{
    const auto request = ParseSet({"--offset", "255", "--amplitude-step", "down:99", "--filter", "F7"});
    EXPECT_EQ(request.offset, 255);
    ASSERT_TRUE(request.amplitudeStep);
    EXPECT_FALSE(request.amplitudeStep->up);
    EXPECT_EQ(request.amplitudeStep->steps, 99);
    EXPECT_EQ(request.filter, 7);

    const auto up = ParseSet({"--amplitude-step", "up:0"});
    EXPECT_TRUE(up.amplitudeStep->up);
    EXPECT_EQ(up.amplitudeStep->steps, 0);
    EXPECT_FALSE(up.offset || up.filter);
    EXPECT_EQ(ParseSet({"--filter", "off"}).filter, 0);
    EXPECT_EQ(ParseSet({"--filter", "f1"}).filter, 1);
}

TEST(SetOptions, BadValuesAndNothingToSetAreUsageErrors)
{
    const std::vector<std::vector<std::string>> bad{
        {},
        {"--offset", "256"}, {"--offset", "-1"},
        {"--amplitude-step", "up"}, {"--amplitude-step", "up:100"}, {"--amplitude-step", "left:3"},
        {"--amplitude-step", "down:-1"}, {"--amplitude-step", "down:"}, {"--amplitude-step", "up:3x"},
        {"--filter", "F0"}, {"--filter", "F8"}, {"--filter", "on"}, {"--filter", "F"},
        {"--offset", "10", "--filter", "F9"}, // a good option does not excuse a bad one
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseSet(args), UsageError) << (args.empty() ? "nothing" : args.back());
}

TEST(NotAcknowledged, NamesRunsOfBlocks)
{
    std::vector<int> tail;
    for (int block = 12; block <= 51; ++block)
        tail.push_back(block);
    EXPECT_EQ(dds::cli::NotAcknowledgedText(tail, 51), "blocks 12-51 of 51 not acknowledged");
    EXPECT_EQ(dds::cli::NotAcknowledgedText({7}, 52), "block 7 of 52 not acknowledged");
    EXPECT_EQ(dds::cli::NotAcknowledgedText({1, 3, 4, 9}, 52), "blocks 1, 3-4, 9 of 52 not acknowledged");
}

} // namespace
