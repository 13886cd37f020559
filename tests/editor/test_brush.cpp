#include <gtest/gtest.h>

#include "editor/brush.h"
#include "editor/position_readout.h"
#include "editor/wave_file_name.h"

using dds::BrushRun;
using dds::WaveformTable;

namespace {

WaveformTable FlatTable(int32_t value)
{
    WaveformTable t;
    for (int32_t i = 1; i <= WaveformTable::kLength; ++i)
        t[i] = value;
    return t;
}

int CountEqual(const WaveformTable& t, int32_t value)
{
    int count = 0;
    for (int32_t i = 1; i <= WaveformTable::kLength; ++i)
        count += t[i] == value;
    return count;
}

} // namespace

TEST(Brush, RunIsCentredInsideTheTable)
{
    EXPECT_EQ(dds::BrushRunAt(1000, 20), (BrushRun{980, 1020}));
    EXPECT_EQ(dds::BrushRunAt(1000, 3), (BrushRun{997, 1003}));
    EXPECT_EQ(dds::BrushRunAt(1600, 90), (BrushRun{1510, 1690}));
}

TEST(Brush, LeftEdgeCentresOnHalfWidthAndSkipsSampleZero)
{
    for (int32_t n : {-40, 0, 1, 19, 20})
        EXPECT_EQ(dds::BrushRunAt(n, 20), (BrushRun{1, 40})) << n;
    EXPECT_EQ(dds::BrushRunAt(21, 20), (BrushRun{1, 41}));
}

TEST(Brush, RightEdgeEndsOnTheLastSample)
{
    for (int32_t n : {3180, 3199, 3200, 4000})
        EXPECT_EQ(dds::BrushRunAt(n, 20), (BrushRun{3160, 3200})) << n;
    EXPECT_EQ(dds::BrushRunAt(3179, 20), (BrushRun{3159, 3199}));
}

TEST(Brush, StampWritesTwoWPlusOneLimitedSamples)
{
    WaveformTable t = FlatTable(128);
    dds::StampBrush(t, 1000, 3, 200);
    EXPECT_EQ(CountEqual(t, 200), 7);
    t = FlatTable(128);
    dds::StampBrush(t, 1000, 90, 300);
    EXPECT_EQ(CountEqual(t, 255), 181);
    EXPECT_EQ(t[909], 128);
    EXPECT_EQ(t[910], 255);
    EXPECT_EQ(t[1090], 255);
    EXPECT_EQ(t[1091], 128);
    t = FlatTable(128);
    dds::StampBrush(t, 0, 20, -7);
    EXPECT_EQ(CountEqual(t, 0), 40);
    EXPECT_EQ(t[41], 128);
}

TEST(Brush, StampNeverWritesTheUnusedSlot)
{
    WaveformTable t = FlatTable(128);
    t[0] = 77;
    dds::StampBrush(t, 0, 90, 10);
    EXPECT_EQ(t[0], 77);
    EXPECT_EQ(CountEqual(t, 10), 180);
}

TEST(StraightStroke, JoinsTheTwoCentresWithTheBrushWidthAtEachEnd)
{
    WaveformTable t = FlatTable(128);
    const dds::Stamp from = dds::StampBrush(t, 1000, 3, 100);
    EXPECT_EQ(from, (dds::Stamp{1000, 100}));
    const dds::Stamp to = dds::StampLine(t, from, 1010, 3, 200);
    EXPECT_EQ(to, (dds::Stamp{1010, 200}));
    EXPECT_EQ(t[996], 128);
    for (int32_t i = 997; i <= 1000; ++i)
        EXPECT_EQ(t[i], 100) << i;
    for (int32_t i = 1001; i <= 1010; ++i)
        EXPECT_EQ(t[i], 100 + 10 * (i - 1000)) << i;
    for (int32_t i = 1011; i <= 1013; ++i)
        EXPECT_EQ(t[i], 200) << i;
    EXPECT_EQ(t[1014], 128);
}

TEST(StraightStroke, RunsEitherWayRoundsTiesToEvenAndKeepsToTheTable)
{
    WaveformTable t = FlatTable(128);
    // Backwards from 1004 (value 1) to 1000 (value 0): sample 1002 lies on 0.5, which rounds to 0;
    // samples 1001 and 1003 on 0.25 and 0.75.
    dds::StampLine(t, {1004, 1}, 1000, 3, 0);
    EXPECT_EQ(t[1001], 0);
    EXPECT_EQ(t[1002], 0);
    EXPECT_EQ(t[1003], 1);
    EXPECT_EQ(t[1007], 1);
    EXPECT_EQ(t[1008], 128);
    // The line's ends are stamp centres, moved inwards at the table's ends, and values are limited.
    t = FlatTable(128);
    const dds::Stamp end = dds::StampLine(t, {3000, 0}, 3300, 20, 400);
    EXPECT_EQ(end, (dds::Stamp{3180, 255}));
    EXPECT_EQ(t[3200], 255);
    EXPECT_EQ(t[2979], 128);
    EXPECT_EQ(t[2980], 0);
    dds::StampLine(t, {30, 50}, -5, 20, 50);
    EXPECT_EQ(t[0], 0) << "the unused slot";
    EXPECT_EQ(t[1], 50);
    // The same centre again re-stamps the run with the new value.
    t = FlatTable(128);
    dds::StampLine(t, {500, 10}, 500, 3, 20);
    EXPECT_EQ(CountEqual(t, 20), 7);
}

TEST(PositionReadoutText, ExactLayoutAndLimits)
{
    EXPECT_EQ(dds::PositionReadout(1234, 200), "  X= 1234  Y= 200");
    EXPECT_EQ(dds::PositionReadout(0, 0), "  X= 0  Y= 0");
    EXPECT_EQ(dds::PositionReadout(-3, 256), "  X= 0  Y= 255");
    EXPECT_EQ(dds::PositionReadout(3300, -20), "  X= 3200  Y= 0");
    EXPECT_EQ(dds::BlankReadout(), std::string(25, ' '));
}

TEST(PositionReadoutText, NearestRoundsTiesToEven)
{
    EXPECT_EQ(dds::NearestWhole(0.5), 0);
    EXPECT_EQ(dds::NearestWhole(127.5), 128);
    EXPECT_EQ(dds::NearestWhole(-63.5), -64);
    EXPECT_EQ(dds::NearestWhole(2.5), 2);
}

TEST(ProposedFileName, PadsOnlyMinutesAndSeconds)
{
    EXPECT_EQ(dds::ProposedWaveFileName(7, 12, 2026, 4, 5, 9), "Onde_7_12_2026__4_05_09");
    EXPECT_EQ(dds::ProposedWaveFileName(1, 1, 2027, 9, 3, 7), "Onde_1_1_2027__9_03_07");
    EXPECT_EQ(dds::ProposedWaveFileName(31, 12, 2026, 23, 59, 10), "Onde_31_12_2026__23_59_10");
}
