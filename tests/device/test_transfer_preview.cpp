#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "device/transfer_bytes.h"
#include "device/transfer_preview.h"
#include "synthesis/waveform_synthesis.h"

// The played bytes are the transfer's own, without the picture file.
TEST(PlayedBytes, EqualTheTransfersBytesForEveryKindOfTable)
{
    QTemporaryDir folder;
    std::vector<dds::WaveformTable> tables(4);
    dds::ComputeWaveform(tables[0], dds::WaveformKind::Sine, {});
    dds::ComputeWaveform(tables[1], dds::WaveformKind::Rectangle, {});
    dds::ComputeWaveform(tables[2], dds::WaveformKind::FrequencyModulation, {});
    for (int32_t n = 1; n <= 3200; ++n)
        tables[3][n] = n % 7 == 0 ? 300 : n % 11 == 0 ? -5 : n % 256; // values the picture cannot hold
    for (const dds::WaveformTable& table : tables)
        for (int count : {3200, 2133, 124, 100, 40, 32, 1})
            EXPECT_EQ(dds::PlayedBytes(table, count), dds::MakeByteImage(table, count, folder.path(), {}).samples)
                << count;
    EXPECT_THROW(dds::PlayedBytes(tables[0], 0), std::invalid_argument);
    EXPECT_THROW(dds::PlayedBytes(tables[0], 3201), std::invalid_argument);
}
