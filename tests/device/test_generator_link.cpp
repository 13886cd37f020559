#include "device/generator_link.h"

#include "hid_test_support.h"

#include <gtest/gtest.h>

#include <numeric>

using dds::GeneratorLink;
using dds::OutputReport;
using dds::test::MakeInterface;
using dds::test::Pump;

namespace {

TEST(OutputReport, EncodesCodeAndPayloadAndKeepsEveryOtherByte)
{
    OutputReport report;
    std::vector<uint8_t> block(62);
    std::iota(block.begin(), block.end(), uint8_t{1});
    report.Encode(dds::gcSampleBlock, block);
    report.Encode(dds::gcSampleTail, std::vector<uint8_t>{200, 201});
    EXPECT_EQ(report[0], 0);
    EXPECT_EQ(report[1], dds::gcSampleTail);
    EXPECT_EQ(report[2], 200);
    EXPECT_EQ(report[3], 201);
    EXPECT_EQ(report[4], 3) << "bytes after the tail keep the previous block";
    EXPECT_EQ(report[63], 62);
    report.Encode(dds::gcHostConnected);
    EXPECT_EQ(report[2], 200) << "a command without payload leaves the payload bytes alone";
}

TEST(OutputReport, AmplitudeStepWithoutDirectionLeavesByteThree)
{
    OutputReport report;
    report.Encode(dds::gcAmplitudeStep, std::vector<uint8_t>{20, 1});
    report.Encode(dds::gcAmplitudeStep, std::vector<uint8_t>{0});
    EXPECT_EQ(report[2], 0);
    EXPECT_EQ(report[3], 1);
}

TEST(OutputReport, RefusesUnknownCodesAndPayloadsThatDoNotFit)
{
    OutputReport report;
    EXPECT_THROW(report.Encode(0), std::invalid_argument);
    EXPECT_THROW(report.Encode(20), std::invalid_argument);
    EXPECT_THROW(report.Encode(dds::gcOffset), std::invalid_argument);
    EXPECT_THROW(report.Encode(dds::gcSampleBlock, std::vector<uint8_t>(61)), std::invalid_argument);
    EXPECT_THROW(report.Encode(dds::gcSampleTail, std::vector<uint8_t>(62)), std::invalid_argument);
    EXPECT_THROW(report.Encode(dds::gcHostClosing, std::vector<uint8_t>{1}), std::invalid_argument);
    EXPECT_EQ(report[1], 0) << "a refused command leaves the buffer untouched";
}

TEST(OutputReport, EveryCodeFromOneToNineteenIsKnown)
{
    for (uint8_t code = 1; code <= 19; ++code)
        EXPECT_EQ(dds::LayoutOf(code).code, code);
}

TEST(FilterCommands, FilterOffAndTheSevenRangeFiltersMapToTheirCodesAndBack)
{
    EXPECT_EQ(dds::FilterCommand(dds::kFilterOff), dds::gcFilterOff);
    EXPECT_EQ(dds::FilterCommand(3), dds::gcFilter3);
    EXPECT_EQ(dds::FilterCommand(dds::kLastFilter), dds::gcFilter7);
    EXPECT_THROW(dds::FilterCommand(-1), std::invalid_argument);
    EXPECT_THROW(dds::FilterCommand(8), std::invalid_argument);
    for (int filter = dds::kFilterOff; filter <= dds::kLastFilter; ++filter)
        EXPECT_EQ(dds::FilterOfCommand(dds::FilterCommand(filter)), filter);
    EXPECT_EQ(dds::FilterOfCommand(dds::gcOffset), -1);
    EXPECT_EQ(dds::FilterOfCommand(dds::gcAmplitudeStep), -1);
}

TEST(BlockAcknowledgement, OnlyAFirstDataByteOfOne)
{
    const uint8_t ack[] = {1, 0};
    const uint8_t other[] = {2, 1};
    EXPECT_TRUE(dds::IsBlockAcknowledgement(ack, 2));
    EXPECT_FALSE(dds::IsBlockAcknowledgement(other, 2));
    EXPECT_FALSE(dds::IsBlockAcknowledgement(ack, 0));
}

class GeneratorLinkTest : public ::testing::Test {
protected:
    TJvHidDevice* Claim(std::shared_ptr<dds::VirtualHidInterface> device)
    {
        bus->Attach(device);
        controller = std::make_unique<TJvHidDeviceController>(bus);
        Pump();
        TJvHidDevice* claimed = nullptr;
        EXPECT_TRUE(controller->ClaimByIds(claimed, device->Info().vendorId, device->Info().productId));
        return claimed;
    }
    void TearDown() override
    {
        link.ReleaseGenerator();
        controller.reset();
    }

    std::shared_ptr<dds::VirtualHidBus> bus = std::make_shared<dds::VirtualHidBus>();
    std::unique_ptr<TJvHidDeviceController> controller;
    GeneratorLink link;
};

TEST_F(GeneratorLinkTest, WithoutAGeneratorTheReportIsBuiltButNothingIsWritten)
{
    link.Send(dds::gcOffset, {155});
    EXPECT_EQ(link.Report()[2], 155);
}

TEST_F(GeneratorLinkTest, WritesTheDeclaredOutputLength)
{
    auto device = MakeInterface("gen", 0x04D8, 9);
    link.SetGenerator(Claim(device));
    link.Send(dds::gcOffset, {128});
    ASSERT_EQ(device->WriteCount(), 1u);
    EXPECT_EQ(device->Written()[0].size(), 65u);
    EXPECT_EQ(device->Written()[0][1], dds::gcOffset);
    EXPECT_EQ(device->Written()[0][2], 128);
}

TEST_F(GeneratorLinkTest, NeverWritesMoreThanTheBufferHolds)
{
    dds::HidInterfaceInfo info;
    info.path = info.instanceId = "wide";
    info.vendorId = 0x04D8;
    info.productId = 9;
    info.outputReportLength = 1024;
    auto device = std::make_shared<dds::VirtualHidInterface>(info);
    link.SetGenerator(Claim(device));
    link.Send(dds::gcHostConnected);
    ASSERT_EQ(device->WriteCount(), 1u);
    EXPECT_EQ(device->Written()[0].size(), OutputReport::kSize);
}

TEST_F(GeneratorLinkTest, ReleaseForgetsTheGenerator)
{
    auto device = MakeInterface("gen", 0x04D8, 9);
    link.SetGenerator(Claim(device));
    link.ReleaseGenerator();
    EXPECT_EQ(link.Generator(), nullptr);
    link.Send(dds::gcHostClosing);
    EXPECT_EQ(device->WriteCount(), 0u);
}

} // namespace
