#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

using dds::ParseReportLengths;

namespace {

TEST(ReportDescriptor, VendorDeviceWithSixtyFourByteReportsInAndOut)
{
    // Usage page (vendor), collection, 64 x 8-bit input, 64 x 8-bit output, end collection.
    const std::vector<uint8_t> descriptor{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x19, 0x01, 0x29, 0x40,
                                          0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x81, 0x00,
                                          0x19, 0x01, 0x29, 0x40, 0x91, 0x00, 0xC0};
    const auto lengths = ParseReportLengths(descriptor);
    EXPECT_EQ(lengths.input, 65);
    EXPECT_EQ(lengths.output, 65);
    EXPECT_FALSE(lengths.numbered);
}

TEST(ReportDescriptor, NumberedReportsAreSummedPerIdAndTheLongestCounts)
{
    const std::vector<uint8_t> descriptor{
        0x85, 0x01, 0x75, 0x01, 0x95, 0x05, 0x81, 0x02, // id 1: 5 bits
        0x75, 0x03, 0x95, 0x01, 0x81, 0x01,             // id 1: 3 bits padding -> 1 byte
        0x85, 0x02, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02, // id 2: 3 bytes
        0x75, 0x10, 0x95, 0x02, 0x91, 0x02,             // id 2 output: 4 bytes
    };
    const auto lengths = ParseReportLengths(descriptor);
    EXPECT_EQ(lengths.input, 4);
    EXPECT_EQ(lengths.output, 5);
    EXPECT_TRUE(lengths.numbered);
}

TEST(ReportDescriptor, PushAndPopRestoreTheGlobalState)
{
    const std::vector<uint8_t> descriptor{0x75, 0x08, 0x95, 0x02, 0xA4, 0x95, 0x10, 0x81, 0x02,
                                          0xB4, 0x81, 0x02};
    EXPECT_EQ(ParseReportLengths(descriptor).input, 1 + 16 + 2);
}

TEST(ReportDescriptor, TruncatedOrEmptyDescriptorsGiveNoLengthsInsteadOfReadingPastTheEnd)
{
    EXPECT_EQ(ParseReportLengths({}).input, 0);
    const std::vector<uint8_t> truncated{0x75, 0x08, 0x95, 0x40, 0x81, 0x00, 0x96, 0x40};
    EXPECT_EQ(ParseReportLengths(truncated).input, 65);
    const std::vector<uint8_t> longItem{0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x75, 0x08, 0x95, 0x01, 0x91, 0x00};
    EXPECT_EQ(ParseReportLengths(longItem).output, 2);
}

} // namespace

namespace {

TEST(ReportDescriptor, HugeDeclaredSizesSaturateInsteadOfWrappingToNothing)
{
    // Report Size and Report Count of 2^31: four Input items total exactly 2^64 bits.
    std::vector<uint8_t> descriptor{0x77, 0x00, 0x00, 0x00, 0x80, 0x97, 0x00, 0x00, 0x00, 0x80};
    for (int i = 0; i < 4; ++i)
        descriptor.insert(descriptor.end(), {0x81, 0x02});
    const auto lengths = ParseReportLengths(descriptor);
    EXPECT_EQ(lengths.input, UINT16_MAX);
    EXPECT_EQ(lengths.output, 0);
}

} // namespace
