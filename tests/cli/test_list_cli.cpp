#include <memory>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_command.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

namespace {

struct CliRun {
    int status;
    std::string out;
};

CliRun List(std::vector<std::string> args, std::shared_ptr<dds::HidBackend> system = {})
{
    std::ostringstream out, err;
    args.insert(args.begin(), "list");
    const int status = dds::cli::RunCli(args, out, err, std::move(system));
    return {status, out.str()};
}

// Two generators around a keyboard, as the system would list them.
class SeveralInterfaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        bus->Attach(std::make_shared<dds::VirtualGenerator>("/dev/hidraw3"));
        bus->Attach(std::make_shared<dds::VirtualHidInterface>(
            dds::HidInterfaceInfo{"/dev/hidraw4", "/dev/hidraw4", 0x046D, 0xC31C, 0, 9, 2},
            dds::VirtualHidInterface::Openness::WithoutAccess));
        bus->Attach(std::make_shared<dds::VirtualGenerator>("/dev/hidraw5"));
    }
    std::shared_ptr<dds::VirtualHidBus> bus = std::make_shared<dds::VirtualHidBus>();
};

TEST(ListCli, MarksTheGeneratorWithItsIdsAccessAndReportLengths)
{
    const CliRun run = List({"--virtual"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "virtual:generator\t04d8:0009\tread-write\tin 65 out 65\tgenerator 1\n");
}

TEST_F(SeveralInterfaces, NumbersTheGeneratorsInTheOrderFound)
{
    EXPECT_EQ(List({}, bus).out, "/dev/hidraw3\t04d8:0009\tread-write\tin 65 out 65\tgenerator 1\n"
                            "/dev/hidraw4\t046d:c31c\tno-access\tin 9 out 2\n"
                            "/dev/hidraw5\t04d8:0009\tread-write\tin 65 out 65\tgenerator 2\n");
}

TEST_F(SeveralInterfaces, JsonIsAListWithTheSameFigures)
{
    const CliRun run = List({"--json"}, bus);
    ASSERT_EQ(run.status, 0);
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_TRUE(list.is_array());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]["path"], "/dev/hidraw3");
    EXPECT_EQ(list[0]["vendorId"], 0x04D8);
    EXPECT_EQ(list[0]["productId"], 9);
    EXPECT_EQ(list[0]["readWrite"], true);
    EXPECT_EQ(list[0]["inputReportLength"], 65);
    EXPECT_EQ(list[0]["outputReportLength"], 65);
    EXPECT_EQ(list[0]["generator"], true);
    EXPECT_EQ(list[0]["generatorNumber"], 1);
    EXPECT_EQ(list[1]["productId"], 0xC31C);
    EXPECT_EQ(list[1]["readWrite"], false);
    EXPECT_EQ(list[1]["generator"], false);
    EXPECT_FALSE(list[1].contains("generatorNumber"));
    EXPECT_EQ(list[2]["generatorNumber"], 2);
}

TEST(ListCli, EmptyJsonListWhenNothingIsFound)
{
    const CliRun run = List({"--json"}, std::make_shared<dds::VirtualHidBus>());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "[]\n");
}

TEST(ListCli, RefusesUnknownOptions)
{
    const CliRun run = List({"--bogus"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
}

} // namespace
