#include <gtest/gtest.h>

#include "synthesis/frequency_plan.h"

using dds::PlanFrequency;

namespace {

struct Expected {
    int range;
    int position;
    const char* display;
    int sampleCount;
};

class FrequencyPlanTable : public ::testing::TestWithParam<Expected> {};

TEST_P(FrequencyPlanTable, DisplayAndSampleCount)
{
    const Expected& e = GetParam();
    const auto plan = PlanFrequency(e.range, e.position);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->displayText(), e.display);
    EXPECT_EQ(plan->sampleCount, e.sampleCount);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FrequencyPlanTable,
    ::testing::Values(
        // Range 1: 3199 at position 0 becomes 3200; no other correction, so 64-bit frequencies
        // just above the exact value give one sample less.
        Expected{1, 0, "0.10 Hz", 3200}, Expected{1, 6, "0.16 Hz", 1999},
        Expected{1, 10, "0.20 Hz", 1599}, Expected{1, 22, "0.32 Hz", 999},
        Expected{1, 30, "0.40 Hz", 799}, Expected{1, 54, "0.64 Hz", 499},
        Expected{1, 70, "0.80 Hz", 399}, Expected{1, 90, "1.00 Hz", 320},
        Expected{1, 1, "0.11 Hz", 2909},
        Expected{2, 0, "1.0 Hz", 3200}, Expected{2, 6, "1.6 Hz", 1999},
        Expected{2, 22, "3.2 Hz", 999}, Expected{2, 54, "6.4 Hz", 499},
        Expected{2, 90, "10.0 Hz", 320},
        Expected{3, 0, "10 Hz", 3200}, Expected{3, 90, "100 Hz", 320},
        Expected{4, 0, "100 Hz", 3200}, Expected{4, 90, "1000 Hz", 320},
        Expected{5, 0, "1000 Hz", 3200}, Expected{5, 5, "1500 Hz", 2133},
        Expected{5, 90, "10000 Hz", 320},
        // Range 6 runs on a 16 MHz clock: half the counts of the decade pattern.
        Expected{6, 0, "10 kHz", 1600}, Expected{6, 5, "15 kHz", 1066},
        Expected{6, 90, "100 kHz", 160},
        Expected{7, 0, "100 kHz", 320}, Expected{7, 40, "500 kHz", 64},
        Expected{7, 41, "550 kHz", 58}, Expected{7, 47, "550 kHz", 58},
        Expected{7, 48, "600 kHz", 53}, Expected{7, 52, "600 kHz", 53},
        Expected{7, 53, "650 kHz", 49}, Expected{7, 62, "700 kHz", 45},
        Expected{7, 67, "750 kHz", 42}, Expected{7, 72, "800 kHz", 40},
        Expected{7, 77, "850 kHz", 37}, Expected{7, 82, "900 kHz", 35},
        Expected{7, 87, "950 kHz", 33}, Expected{7, 88, "1000 kHz", 32},
        Expected{7, 90, "1000 kHz", 32}));

TEST(FrequencyPlan, RangeClocks)
{
    const int clocks[] = {320, 3200, 32000, 320000, 3200000, 16000000, 32000000};
    for (int range = 1; range <= 7; ++range)
        EXPECT_EQ(PlanFrequency(range, 0)->rangeClock, clocks[range - 1]) << "range " << range;
}

TEST(FrequencyPlan, NothingBeforeTheFirstRangeSelection)
{
    EXPECT_FALSE(PlanFrequency(0, 90));
    EXPECT_FALSE(PlanFrequency(8, 0));
}

TEST(FrequencyPlan, StoredFrequencyIsHertzExceptRange7InKilohertz)
{
    EXPECT_DOUBLE_EQ(PlanFrequency(6, 5)->frequency, 15000);
    EXPECT_DOUBLE_EQ(PlanFrequency(7, 41)->frequency, 550);
    // Extended evaluation then 64-bit storage: the value the count was computed from.
    EXPECT_EQ(PlanFrequency(1, 6)->frequency,
              static_cast<double>(6.0L * 0.01L + 0.1L));
}

TEST(FrequencyPlan, DiagnosticText)
{
    EXPECT_EQ(PlanFrequency(6, 5)->diagnosticText, "Freq:= 15000 - Nbre Echanti= 1066");
    EXPECT_EQ(PlanFrequency(7, 90)->diagnosticText, "Freq:= 1000 - Nbre Echanti= 32");
    EXPECT_EQ(PlanFrequency(1, 6, ',')->diagnosticText, "Freq:= 0,16 - Nbre Echanti= 1999");
}

} // namespace
