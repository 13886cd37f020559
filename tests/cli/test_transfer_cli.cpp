#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/cli_command.h"
#include "device/virtual_hid_bus.h"
#include "device/virtual_hid_interface.h"
#include "editor/waveform_file.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// `system` stands for the machine's HID interfaces; by default a bus with nothing on it.
CliRun Cli(std::vector<std::string> args,
           std::shared_ptr<dds::HidBackend> system = std::make_shared<dds::VirtualHidBus>(), bool terminal = false)
{
    std::ostringstream out, err;
    args.insert(args.begin(), "transfer");
    const int status = dds::cli::RunCli(args, out, err, std::move(system), terminal);
    return {status, out.str(), err.str()};
}

std::vector<std::string> LogLines(const QString& path)
{
    std::ifstream file(path.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// Code byte of each logged report: characters 2 and 3 of its hex line.
std::vector<std::string> Codes(const std::vector<std::string>& lines)
{
    std::vector<std::string> codes;
    for (const std::string& line : lines)
        codes.push_back(line.substr(2, 2));
    return codes;
}

class TransferCli : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString log = folder.filePath("reports.log");
};

} // namespace

TEST_F(TransferCli, SendsConnectTheTransferTheFilterAndClosingToTheVirtualGenerator)
{
    const std::vector<std::string> args{"--range", "5", "--position", "0", "--kind", "3", "--virtual"};
    std::vector<std::string> logged = args;
    logged.insert(logged.end(), {"--report-log", log.toStdString()});
    const CliRun run = Cli(logged);
    ASSERT_EQ(run.status, 0) << run.err;
    // Standard output is the summary alone, and progress shows only on a terminal.
    EXPECT_EQ(run.out.find("range 5, 1000 Hz, 3200 samples, played 1000.000 Hz, 51 blocks, tail 38, "), 0u) << run.out;
    EXPECT_NE(run.out.find(" ms, 52 acknowledged, 0 timed out\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_TRUE(run.err.empty()) << run.err;
    const CliRun shown = Cli(args, std::make_shared<dds::VirtualHidBus>(), true);
    EXPECT_NE(shown.err.find("\rblock 1/51, 62/3200 samples, 1%"), std::string::npos) << shown.err;
    EXPECT_NE(shown.err.find("\rblock 51/51, 3162/3200 samples, 98%"), std::string::npos) << shown.err;
    EXPECT_EQ(shown.err.back(), '\r') << "the line is wiped";
    EXPECT_EQ(std::count(shown.out.begin(), shown.out.end(), '\n'), 1);

    const std::vector<std::string> lines = LogLines(log);
    ASSERT_EQ(lines.size(), 58u);
    EXPECT_EQ(lines[0].size(), 130u); // the whole 65-byte report
    EXPECT_EQ(lines[1].substr(0, 14), "000305330c8003");
    std::vector<std::string> expected{"01", "03"};
    expected.insert(expected.end(), 51, "04");
    expected.insert(expected.end(), {"05", "07", "06", "0b", "02"});
    EXPECT_EQ(Codes(lines), expected);
}

TEST_F(TransferCli, SineSelectsTheRangeFilterAndTheOffsetFollowsConnect)
{
    const CliRun run = Cli({"--range", "3", "--position", "90", "--kind", "1", "--offset", "0", "--virtual",
                            "--report-log", log.toStdString()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LogLines(log);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1].substr(0, 6), "000aff");
    EXPECT_EQ(lines[lines.size() - 2].substr(0, 4), "000e"); // "F3"
    EXPECT_EQ(lines.back().substr(0, 4), "0002");
}

TEST_F(TransferCli, WaveformFileIsSentWithTheStartKind)
{
    dds::WaveformTable table;
    for (int32_t i = 1; i <= 3200; ++i)
        table[i] = 200;
    const QString file = folder.filePath("wave.xls");
    dds::WriteWaveformFile(file.toStdString(), table);
    const CliRun run = Cli({"--range", "7", "--position", "90", "--file", file.toStdString(), "--virtual",
                            "--report-log", log.toStdString()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LogLines(log);
    EXPECT_EQ(lines[1].substr(0, 14), "00030700002001"); // range 7, no block, 32 samples, kind 1
    EXPECT_EQ(lines[2].substr(0, 8), "0005c8c8");
}

TEST_F(TransferCli, BadOptionsExitWithStatusTwo)
{
    EXPECT_EQ(Cli({"--range", "5", "--position", "0"}).status, 2);
    EXPECT_EQ(Cli({"--range", "5", "--position", "0", "--kind", "1", "--file", "a.xls"}).status, 2);
    EXPECT_EQ(Cli({"--range", "5", "--position", "91", "--kind", "1"}).status, 2);
    EXPECT_EQ(Cli({"--range", "5", "--position", "0", "--kind", "13"}).status, 2);
    EXPECT_EQ(Cli({"--range", "5", "--position", "0", "--file", "a.xls", "--shape", "3"}).status, 2);
    EXPECT_EQ(Cli({"--range", "5", "--position", "0", "--kind", "1", "--offset", "256"}).status, 2);
}

TEST_F(TransferCli, GeneratorThisUserMayNotOpenIsNamedWithTheRemedy)
{
    auto bus = std::make_shared<dds::VirtualHidBus>();
    bus->Attach(std::make_shared<dds::VirtualHidInterface>(
        dds::HidInterfaceInfo{"/dev/hidraw7", "/dev/hidraw7", 0x04D8, 0x0009, 0, 65, 65},
        dds::VirtualHidInterface::Openness::WithoutAccess));
    const CliRun run = Cli({"--range", "5", "--position", "0", "--kind", "1"}, bus);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the generator at /dev/hidraw7 cannot be opened"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("70-ddsgen.rules"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("no generator found"), std::string::npos) << run.err;
}

TEST_F(TransferCli, NoGeneratorIsAClearMessageAndStatusOne)
{
    // A bus with nothing plugged in.
    const CliRun run = Cli({"--range", "5", "--position", "0", "--kind", "1"}, std::make_shared<dds::VirtualHidBus>());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no generator found"), std::string::npos);
}
