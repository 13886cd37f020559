#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "device/transfer_bytes.h"

using namespace dds;

// The transfer's picture checked against a model of the line rule written pixel by pixel, over
// random walks that take every step from -255 to +255.
namespace {

constexpr int kColumns = 3200;
constexpr int kRows = 256;

// The rule, one pixel at a time: the segment from (c, a) to (c + 1, b) passes the rows a, a ± 1, ...
// up to but not including b (a flat or one-row segment is its start pixel alone). The k-th of its
// `count` pixels lies at x = c + k / count, and falls in the nearest column; a pixel exactly half
// way stays in column c. Rows outside the picture leave no pixel.
std::vector<std::vector<bool>> ModelPicture(const std::vector<int>& entries)
{
    std::vector<std::vector<bool>> red(kColumns, std::vector<bool>(kRows, false));
    int previous = std::max(entries.front(), 0);
    for (int c = 0; c < kColumns; ++c) {
        const int a = previous;
        const int b = entries[static_cast<std::size_t>(c)];
        const int count = std::max(std::abs(b - a), 1);
        const int direction = b >= a ? 1 : -1;
        for (int k = 0; k < count; ++k) {
            const double x = c + static_cast<double>(k) / count;
            const int column = x - c > 0.5 ? c + 1 : c;
            const int row = a + direction * k;
            if (column < kColumns && row >= 0 && row < kRows)
                red[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = true;
        }
        previous = b;
    }
    return red;
}

int LowestRedRow(const std::vector<bool>& column)
{
    for (int row = kRows - 1; row >= 0; --row)
        if (column[static_cast<std::size_t>(row)])
            return row;
    return -1;
}

// The drawn column that stretched column j of `width` copies: the one under its centre.
int NearestDrawnColumn(int j, int width)
{
    return static_cast<int>((j + 0.5) * kColumns / width);
}

// A walk through 0..255 (or through `low`..`high`) that takes each step from -255 to +255 once, in
// random order, moving first to a random place the step fits from, then continuing at random.
std::vector<int> WalkWithEveryStep(std::mt19937& random, int low = 0, int high = 255)
{
    std::vector<int> steps(511);
    std::iota(steps.begin(), steps.end(), -255);
    std::shuffle(steps.begin(), steps.end(), random);
    auto uniform = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };

    std::vector<int> walk;
    int value = uniform(low, high);
    walk.push_back(value);
    for (int step : steps) {
        if (value + step < low || value + step > high) {
            value = uniform(std::max(low, low - step), std::min(high, high - step));
            walk.push_back(value);
        }
        value += step;
        walk.push_back(value);
    }
    while (walk.size() < static_cast<std::size_t>(kColumns)) {
        value = std::clamp(value + uniform(-8, 8), low, high);
        walk.push_back(value);
    }
    walk.resize(kColumns);
    return walk;
}

WaveformTable TableOf(const std::vector<int>& entries)
{
    WaveformTable table;
    for (int32_t i = table.firstIndex; i <= table.length; ++i)
        table[i] = entries[static_cast<std::size_t>(i - 1)];
    return table;
}

void ExpectPictureFollowsTheModel(const std::vector<int>& entries)
{
    ResponsivenessPacer pacer({});
    const QImage drawn = DrawTablePicture(TableOf(entries), pacer);
    const auto model = ModelPicture(entries);
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row)
            ASSERT_EQ(drawn.pixel(column, row) == kLineColour,
                      model[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)])
                << "column " << column << ", row " << row << ", entries "
                << entries[static_cast<std::size_t>(std::max(column - 1, 0))] << " -> "
                << entries[static_cast<std::size_t>(column)];
}

std::vector<std::vector<int>> Walks()
{
    std::vector<std::vector<int>> walks;
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        std::vector<int> walk = WalkWithEveryStep(random);
        walks.push_back(walk);
        std::reverse(walk.begin(), walk.end()); // every step again, the other way through time
        walks.push_back(walk);
    }
    return walks;
}

} // namespace

TEST(TransferLineRule, PictureOfEveryStepFollowsTheModel)
{
    for (const auto& walk : Walks())
        ExpectPictureFollowsTheModel(walk);
}

TEST(TransferLineRule, StepsBeyondThePictureAreClippedLikeTheModel)
{
    std::mt19937 random(7);
    ExpectPictureFollowsTheModel(WalkWithEveryStep(random, -300, 555));
}

TEST(TransferLineRule, BytesAreTheModelsLowestRedRowAtEverySampleCount)
{
    QTemporaryDir folder;
    for (const auto& walk : Walks()) {
        const auto model = ModelPicture(walk);
        for (int width : {3200, 3199, 2133, 1600, 581, 100, 32}) {
            const std::vector<uint8_t> samples =
                MakeByteImage(TableOf(walk), width, folder.path(), {}).samples;
            ASSERT_EQ(samples.size(), static_cast<std::size_t>(width));
            for (int j = 0; j < width; ++j)
                ASSERT_EQ(samples[static_cast<std::size_t>(j)],
                          LowestRedRow(model[static_cast<std::size_t>(NearestDrawnColumn(j, width))]))
                    << "width " << width << ", column " << j;
        }
    }
}

TEST(TransferLineRule, RiseOrFallOfTwoRowsKeepsItsMiddlePixelInItsOwnColumn)
{
    std::vector<int> entries(kColumns, 100);
    std::fill(entries.begin() + 1000, entries.begin() + 2000, 102);
    ResponsivenessPacer pacer({});
    const QImage drawn = DrawTablePicture(TableOf(entries), pacer);
    // Column 1000 rises from row 100 to 102: rows 100 and 101, the middle row being the tie.
    EXPECT_EQ(drawn.pixel(1000, 100), kLineColour);
    EXPECT_EQ(drawn.pixel(1000, 101), kLineColour);
    EXPECT_NE(drawn.pixel(1001, 101), kLineColour);
    EXPECT_EQ(drawn.pixel(1001, 102), kLineColour);
    // Column 2000 falls back: rows 102 and 101; the next column holds row 100 alone.
    EXPECT_EQ(drawn.pixel(2000, 102), kLineColour);
    EXPECT_EQ(drawn.pixel(2000, 101), kLineColour);
    EXPECT_NE(drawn.pixel(2001, 101), kLineColour);
    EXPECT_EQ(drawn.pixel(2001, 100), kLineColour);
}
