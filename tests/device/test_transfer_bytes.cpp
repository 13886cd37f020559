#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

#include "device/transfer_bytes.h"
#include "device/transfer_texts.h"

using namespace dds;

namespace {

WaveformTable Filled(int32_t value)
{
    WaveformTable table;
    for (int32_t i = table.firstIndex; i <= table.length; ++i)
        table[i] = value;
    return table;
}

// Entries 1 to 1599 at the top row, 1600 to 3200 near the bottom: one vertical edge.
WaveformTable Rectangle()
{
    WaveformTable table = Filled(1);
    for (int32_t i = 1; i <= 1599; ++i)
        table[i] = 255;
    return table;
}

std::vector<uint8_t> BytesOf(const WaveformTable& table, int sampleCount)
{
    QTemporaryDir folder;
    return MakeByteImage(table, sampleCount, folder.path(), {}).samples;
}

} // namespace

TEST(TransferBytes, FlatTableGivesItsValueInEveryColumnAtEveryWidth)
{
    for (int width : {3200, 2133, 100, 40, 32}) {
        const std::vector<uint8_t> samples = BytesOf(Filled(100), width);
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(width));
        for (uint8_t sample : samples)
            ASSERT_EQ(sample, 100) << "width " << width;
    }
}

TEST(TransferBytes, VerticalEdgeIsSplitOverTwoColumnsAndEachTakesItsLowestRedPixel)
{
    const std::vector<uint8_t> samples = BytesOf(Rectangle(), 3200);
    EXPECT_EQ(samples[0], 255);
    EXPECT_EQ(samples[1598], 255);
    EXPECT_EQ(samples[1599], 255);
    EXPECT_EQ(samples[1600], 127); // the lower half of the steep line, not the entry's 1
    EXPECT_EQ(samples[1601], 1);
    EXPECT_EQ(samples[3199], 1);
}

TEST(TransferBytes, FallingStepSplitsTheOtherWay)
{
    WaveformTable table = Filled(255);
    for (int32_t i = 1; i <= 1599; ++i)
        table[i] = 1;
    const std::vector<uint8_t> samples = BytesOf(table, 3200);
    EXPECT_EQ(samples[1599], 128); // the upper half, rows 1..128, stays in the edge's first column
    EXPECT_EQ(samples[1600], 255);
}

TEST(TransferBytes, ColumnsWithoutRedTakeTheirOwnEntryLimitedToTheByteRange)
{
    WaveformTable table = Filled(100);
    for (int32_t i = 2000; i <= 2003; ++i)
        table[i] = 1000;
    for (int32_t i = 2500; i <= 2503; ++i)
        table[i] = -50;
    const std::vector<uint8_t> samples = BytesOf(table, 3200);
    EXPECT_EQ(samples[2000], 255);
    EXPECT_EQ(samples[2002], 255);
    EXPECT_EQ(samples[2501], 0);
    EXPECT_EQ(samples[2502], 0);
    EXPECT_EQ(samples[2504], 100);
}

TEST(TransferBytes, NothingLeaksOverFromAnEarlierTransfer)
{
    WaveformTable high = Filled(100);
    high[3000] = 999;
    high[3001] = 999;
    EXPECT_EQ(BytesOf(Filled(7), 3200)[3000], 7);
    EXPECT_EQ(BytesOf(high, 3200)[3000], 255);
    EXPECT_EQ(BytesOf(Filled(7), 3200)[3000], 7);
}

TEST(TransferBytes, NegativeFirstEntryStartsTheLineAtTheTopRow)
{
    WaveformTable table = Filled(100);
    table[1] = -1000;
    const QImage drawn = MakeByteImage(table, 3200, QTemporaryDir().path(), {}).drawn;
    EXPECT_EQ(drawn.pixel(0, 0), kLineColour);
    EXPECT_NE(drawn.pixel(0, 1), kLineColour);
}

TEST(TransferBytes, HugeValuesAreClippedWithoutDrawingOutsideThePicture)
{
    WaveformTable table = Filled(100);
    table[10] = INT32_MAX;
    table[11] = INT32_MIN;
    const std::vector<uint8_t> samples = BytesOf(table, 3200);
    EXPECT_EQ(samples[9], 255);
    EXPECT_EQ(samples[20], 100);
}

TEST(TransferBytes, StretchChoosesWholeColumnsInOrderAcrossThePicture)
{
    for (int column = 0; column < 3200; ++column)
        ASSERT_EQ(StretchSourceColumn(column, 3200), column);
    for (int column = 0; column < 1600; ++column)
        ASSERT_EQ(StretchSourceColumn(column, 1600), 2 * column + 1);
    for (int width = 32; width <= 3200; ++width) {
        int previous = -1;
        for (int column = 0; column < width; ++column) {
            const int source = StretchSourceColumn(column, width);
            ASSERT_GT(source, previous);
            ASSERT_LT(source, 3200);
            previous = source;
        }
    }
}

TEST(TransferBytes, StretchedPictureCopiesDrawnColumnsWithoutBlending)
{
    WaveformTable table = Filled(0);
    for (int32_t i = 1; i <= 3200; ++i)
        table[i] = (i * 7) % 256;
    const ByteImage image = MakeByteImage(table, 777, QTemporaryDir().path(), {});
    ASSERT_EQ(image.stretched.size(), QSize(777, 256));
    for (int column : {0, 1, 400, 776})
        for (int row = 0; row < 256; ++row)
            ASSERT_EQ(image.stretched.pixel(column, row),
                      image.drawn.pixel(StretchSourceColumn(column, 777), row));
}

TEST(TransferBytes, PictureIsWrittenAsSampleBmpAndKeepsTheLineColour)
{
    QTemporaryDir folder;
    MakeByteImage(Rectangle(), 3200, folder.path(), {});
    const QString path = folder.filePath("Sample.bmp");
    ASSERT_TRUE(QFileInfo::exists(path));
    const QImage reread(path);
    ASSERT_EQ(reread.size(), QSize(3200, 256));
    EXPECT_EQ(reread.depth(), 32); // read back as RGB32 from a 24-bit file
    EXPECT_EQ(reread.pixel(5, 255), kLineColour);
    EXPECT_EQ(reread.pixel(5, 254), 0xFFFFFFFFu);
}

TEST(TransferBytes, UnwritableFolderFailsBeforeAnyBytes)
{
    QTemporaryDir parent;
    const QString missing = parent.filePath("no/such/folder");
    try {
        MakeByteImage(Filled(1), 100, missing, {});
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("Impossible de créer le fichier"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("Sample.bmp"), std::string::npos);
    }
    EXPECT_THROW(MakeByteImage(Filled(1), 100, "/proc", {}), std::runtime_error);
}

TEST(TransferBytes, SampleCountOutsideThePictureIsRefused)
{
    EXPECT_THROW(MakeByteImage(Filled(1), 0, QTemporaryDir().path(), {}), std::invalid_argument);
    EXPECT_THROW(MakeByteImage(Filled(1), 3201, QTemporaryDir().path(), {}), std::invalid_argument);
}

TEST(TransferBytes, PacerRunsTheCallbackOnlyOnceItsIntervalHasPassed)
{
    int runs = 0;
    ResponsivenessPacer eager([&] { ++runs; }, std::chrono::milliseconds(0));
    ResponsivenessPacer patient([&] { runs += 100; }, std::chrono::hours(1));
    for (int i = 0; i < 5; ++i) {
        eager.poll();
        patient.poll();
    }
    EXPECT_EQ(runs, 5);
}

TEST(TransferTexts, DiagnosticTextsFollowTheSampleCount)
{
    const TransferTexts texts = MakeTransferTexts(std::vector<uint8_t>(100, 42));
    ASSERT_EQ(texts.sampleLines.size(), 100);
    EXPECT_EQ(texts.sampleLines.front(), "42");
    EXPECT_EQ(texts.imageWidth, "Largeur de IMAGE1= 100");
    EXPECT_EQ(texts.lineCount, "Nbre ligne dans ListBox2= 100");
    EXPECT_EQ(texts.blockCount, "1");
    EXPECT_EQ(texts.blockBytes,
              QString::fromUtf8("Nbre de lignes dans la ListBox2 comptées par blocs de 62 octets: 62"));
}
