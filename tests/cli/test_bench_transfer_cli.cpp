// ddsgen-cli transfer as a test bench's script sees it: exit statuses, the virtual generator's
// fault switches, JSON, and the reports on the wire.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "bench_cli_fixture.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

using cli_test::Cli;
using cli_test::CliRun;

namespace {

class TransferBenchCli : public cli_test::BenchCli {};

TEST_F(TransferBenchCli, EveryBlockAcknowledgedIsStatusZero)
{
    const CliRun run = Transfer({"--virtual-fault", "late-ack:2", "--ack-timeout", "1000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" ms, 52 acknowledged, 0 timed out\n"), std::string::npos) << run.out;
}

TEST_F(TransferBenchCli, UnacknowledgedBlocksAreNamedAndStatusThree)
{
    const CliRun run = Transfer({"--virtual-fault", "no-ack", "--ack-timeout", "1"});
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_NE(run.out.find("0 acknowledged, 52 timed out (blocks 1-52 of 52 not acknowledged)\n"),
              std::string::npos)
        << run.out;
    // Nothing is sent again: the whole sequence goes out once.
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 58u);
    EXPECT_EQ(lines.back().substr(0, 4), "0002");
}

TEST_F(TransferBenchCli, AcknowledgementLaterThanTheWaitTimesOut)
{
    const CliRun run = Transfer({"--virtual-fault", "late-ack:300", "--ack-timeout", "20"}, false);
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_NE(run.out.find("(block 1 of 1 not acknowledged)"), std::string::npos) << run.out;
}

TEST_F(TransferBenchCli, GeneratorVanishingIsStatusFourAndEndsTheWrites)
{
    const CliRun run = Transfer({"--virtual-fault", "unplug-after:5"});
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_NE(run.err.find("vanished"), std::string::npos) << run.err;
    // Connect, header and three blocks; no closing report after.
    std::vector<std::string> expected{"0001", "0003", "0004", "0004", "0004"};
    EXPECT_EQ(Heads(2), expected);
}

TEST_F(TransferBenchCli, UnrelatedInputDoesNotCountAsAcknowledgement)
{
    const CliRun flooded = Transfer({"--virtual-fault", "flood", "--virtual-fault", "no-ack", "--ack-timeout", "30"}, false);
    EXPECT_EQ(flooded.status, 3) << flooded.err;
    const CliRun acknowledged = Transfer({"--virtual-fault", "flood"});
    EXPECT_EQ(acknowledged.status, 0) << acknowledged.err;
    EXPECT_NE(acknowledged.out.find("52 acknowledged, 0 timed out"), std::string::npos) << acknowledged.out;
}

TEST_F(TransferBenchCli, FrequencyInHertzChoosesTheHeaderAndIsPrinted)
{
    const CliRun run = Cli({"transfer", "--frequency", "1500", "--kind", "3", "--virtual", "--report-log", log});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("range 5, position 5, 1500 Hz, 2133 samples, relative error +0.0000%; played "
                           "1500.234 Hz, relative error +0.0156%\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Lines().at(1).substr(0, 14), "00030522085503"); // range 5, 34 blocks, 0x0855, kind 3
}

TEST_F(TransferBenchCli, BadOptionsAreStatusTwoAndSendNothing)
{
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--ack-timeout", "0"}, {"--ack-timeout", "60001"}, {"--ack-timeout", "5s"},
             {"--virtual-fault", "no-acknowledgement"}, {"--virtual-fault", "late-ack:x"},
             {"--virtual-fault", "unplug-after:0"}, {"--frequency", "1500"}}) {
        EXPECT_EQ(Transfer(bad).status, 2) << bad[0] << " " << bad[1];
        EXPECT_TRUE(Lines().empty()) << bad[0] << " " << bad[1];
    }
    // A fault switch belongs to the virtual generator.
    EXPECT_EQ(Cli({"transfer", "--range", "5", "--position", "0", "--kind", "1", "--virtual-fault", "no-ack"}).status, 2);
}

TEST_F(TransferBenchCli, TransferJsonCarriesTheSummary)
{
    const CliRun run = Transfer({"--virtual-fault", "no-ack", "--ack-timeout", "1", "--json"});
    EXPECT_EQ(run.status, 3) << run.err;
    const auto json = nlohmann::json::parse(run.out); // one object and nothing else
    EXPECT_EQ(json["device"], "virtual:generator");
    EXPECT_EQ(json["range"], 5);
    EXPECT_EQ(json["position"], 0);
    EXPECT_EQ(json["displayText"], "1000 Hz");
    EXPECT_EQ(json["sampleCount"], 3200);
    EXPECT_EQ(json["blocks"], 51);
    EXPECT_EQ(json["tail"], 38);
    EXPECT_EQ(json["acknowledged"], 0);
    EXPECT_EQ(json["timedOut"], 52);
    EXPECT_EQ(json["notAcknowledged"].size(), 52u);
    EXPECT_EQ(json["notAcknowledged"][51], 52);
    EXPECT_TRUE(json["milliseconds"].is_number());
    EXPECT_EQ(json["outcome"], "not acknowledged");
    EXPECT_EQ(json["exitStatus"], 3);

    const auto vanished = nlohmann::json::parse(Transfer({"--virtual-fault", "unplug-after:3", "--json"}).out);
    EXPECT_EQ(vanished["outcome"], "vanished");
    EXPECT_EQ(vanished["exitStatus"], 4);
}

TEST_F(TransferBenchCli, DeviceThatIsNotAGeneratorIsStatusOne)
{
    const CliRun transfer = Transfer({"--device", "/dev/hidraw99"});
    EXPECT_EQ(transfer.status, 1);
    EXPECT_NE(transfer.err.find("/dev/hidraw99"), std::string::npos) << transfer.err;
    EXPECT_NE(transfer.err.find("ddsgen-cli list"), std::string::npos) << transfer.err;
    EXPECT_EQ(Set({"--offset", "3", "--device", "/dev/hidraw99"}).status, 1);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Set({"--offset", "3", "--device", "virtual:generator"}).status, 0);
}

TEST_F(TransferBenchCli, HelpNamesTheNewOptionsAndEveryExitStatus)
{
    const CliRun help = Cli({"transfer", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* text : {"--frequency", "--ack-timeout", "--device", "--virtual-fault", "--json",
                             "0 every block acknowledged", "1 no generator", "2 bad options",
                             "3 some blocks", "4 the generator vanished"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

TEST_F(TransferBenchCli, DeviceChoosesOneOfSeveralGenerators)
{
    auto bus = std::make_shared<dds::VirtualHidBus>();
    auto first = std::make_shared<dds::VirtualGenerator>("/dev/hidraw3");
    auto second = std::make_shared<dds::VirtualGenerator>("/dev/hidraw5");
    bus->Attach(first);
    bus->Attach(second);
    const CliRun run = Cli({"transfer", "--range", "7", "--position", "90", "--kind", "2", "--device", "/dev/hidraw5",
                            "--json"},
                           bus);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["device"], "/dev/hidraw5");
    EXPECT_EQ(first->WriteCount(), 0u);
    EXPECT_EQ(second->Model().transfersClosed, 1);
    EXPECT_EQ(second->Model().hostClosings, 1);

    ASSERT_EQ(Cli({"set", "--offset", "0", "--device", "/dev/hidraw3"}, bus).status, 0);
    EXPECT_EQ(first->Model().offsetByte, 255);
    EXPECT_EQ(second->Model().offsetByte, 128);
    // Without --device, the first.
    ASSERT_EQ(Cli({"set", "--filter", "F2"}, bus).status, 0);
    EXPECT_EQ(first->Model().filter, 2);
}

TEST_F(TransferBenchCli, DeviceThatIsAnotherInterfaceIsNamed)
{
    auto bus = std::make_shared<dds::VirtualHidBus>();
    bus->Attach(std::make_shared<dds::VirtualGenerator>("/dev/hidraw3"));
    bus->Attach(std::make_shared<dds::VirtualHidInterface>(
        dds::HidInterfaceInfo{"/dev/hidraw4", "/dev/hidraw4", 0x046D, 0xC31C, 0, 9, 2}));
    const CliRun run = Cli({"set", "--offset", "1", "--device", "/dev/hidraw4"}, bus);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("/dev/hidraw4 is not the generator"), std::string::npos) << run.err;
}

} // namespace
