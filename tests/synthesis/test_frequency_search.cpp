#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "synthesis/frequency_search.h"

using dds::NearestFrequencySetting;

namespace {

struct Nearest {
    double hertz;
    int range;
    int position;
    int sampleCount;
};

class NearestSetting : public ::testing::TestWithParam<Nearest> {};

TEST_P(NearestSetting, PicksRangePositionAndCount)
{
    const Nearest& e = GetParam();
    const auto setting = NearestFrequencySetting(e.hertz);
    ASSERT_TRUE(setting);
    EXPECT_EQ(setting->plan.range, e.range);
    EXPECT_EQ(setting->position, e.position);
    EXPECT_EQ(setting->plan.sampleCount, e.sampleCount);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, NearestSetting,
    ::testing::Values(
        Nearest{1500, 5, 5, 2133},         // exact
        Nearest{1549, 5, 5, 2133}, Nearest{1551, 5, 6, 2000},
        Nearest{0.1, 1, 0, 3200},          // the plan's lowest
        Nearest{1e6, 7, 88, 32},           // the highest: first position of the last band
        Nearest{0.16, 1, 6, 1999},         // a frequency with no exact binary value
        Nearest{560'000, 7, 41, 58},       // first position of the 550 kHz band
        Nearest{520'000, 7, 40, 64}, Nearest{530'000, 7, 41, 58},
        Nearest{57'400, 6, 47, 280}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// Where two settings are equally near, the one with more samples per period is taken.
INSTANTIATE_TEST_SUITE_P(
    Ties, NearestSetting,
    ::testing::Values(
        Nearest{1550, 5, 5, 2133},         // between two positions: the lower frequency
        Nearest{1000, 5, 0, 3200},         // range 4 position 90 gives it with 320 samples
        Nearest{1.0, 2, 0, 3200}, Nearest{10, 3, 0, 3200}, Nearest{100, 4, 0, 3200},
        Nearest{10'000, 6, 0, 1600},       // range 5 position 90 has 320
        Nearest{100'000, 7, 0, 320},       // range 6 position 90 has 160
        Nearest{1.05, 2, 0, 3200},         // 1.00 (two ranges) and 1.1 equally near
        Nearest{0.165, 1, 6, 1999}),       // 0.16 and 0.17 in binary fractions
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(NearestSetting, OutsideThePlanOrNotFiniteGivesNothing)
{
    EXPECT_FALSE(NearestFrequencySetting(0.0999));
    EXPECT_FALSE(NearestFrequencySetting(1'000'000.5));
    EXPECT_FALSE(NearestFrequencySetting(0));
    EXPECT_FALSE(NearestFrequencySetting(-1500));
    EXPECT_FALSE(NearestFrequencySetting(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(NearestFrequencySetting(std::numeric_limits<double>::infinity()));
}

TEST(NearestSetting, RelativeErrorIsSignedAgainstTheWantedFrequency)
{
    EXPECT_EQ(NearestFrequencySetting(1500)->relativeError, 0);
    EXPECT_DOUBLE_EQ(NearestFrequencySetting(1540)->relativeError, -40.0 / 1540);
    EXPECT_DOUBLE_EQ(NearestFrequencySetting(975'000)->relativeError, -25'000.0 / 975'000);
    EXPECT_DOUBLE_EQ(NearestFrequencySetting(0.104)->relativeError, (0.1 - 0.104) / 0.104);
}

// Every setting's own frequency finds a setting with that same frequency, never a coarser one.
TEST(NearestSetting, EverySettingsFrequencyIsFoundExactlyWithTheMostSamples)
{
    for (int32_t range = dds::kFirstRange; range <= dds::kLastRange; ++range) {
        for (int32_t position = dds::kSliderMinimum; position <= dds::kSliderMaximum; ++position) {
            const dds::FrequencyPlan plan = *dds::PlanFrequency(range, position);
            const auto found = NearestFrequencySetting(plan.hertz());
            ASSERT_TRUE(found) << range << "/" << position;
            EXPECT_EQ(found->plan.hertz(), plan.hertz()) << range << "/" << position;
            EXPECT_GE(found->plan.sampleCount, plan.sampleCount) << range << "/" << position;
        }
    }
}

} // namespace
