#include <gtest/gtest.h>

#include "shell/status_clock.h"

namespace {

struct ClockCase {
    QDateTime when;
    const char* time;
    const char* date;
};

class StatusClockTexts : public ::testing::TestWithParam<ClockCase> {};

TEST_P(StatusClockTexts, PadMinutesSecondsDayAndMonthButNeverTheHour)
{
    const dds::ClockFields clock = dds::DecodeClock(GetParam().when);
    EXPECT_EQ(dds::StatusTimeText(clock).toStdString(), GetParam().time);
    EXPECT_EQ(dds::StatusDateText(clock).toStdString(), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    StatusBar, StatusClockTexts,
    ::testing::Values(ClockCase{{{2026, 12, 7}, {4, 5, 9}}, "  4:05:09  ", "  07/12/2026  "},
                      ClockCase{{{2026, 12, 31}, {23, 59, 59, 999}}, "  23:59:59  ", "  31/12/2026  "},
                      ClockCase{{{2026, 3, 1}, {10, 0, 0}}, "  10:00:00  ", "  01/03/2026  "},
                      ClockCase{{{2026, 3, 1}, {9, 5, 0}}, "  9:05:00  ", "  01/03/2026  "},
                      ClockCase{{{2026, 10, 10}, {0, 10, 10}}, "  0:10:10  ", "  10/10/2026  "}));

TEST(StatusClock, DecodesEveryFieldAndKeepsUnpaddedDecimalTexts)
{
    const QDateTime when({2026, 3, 1}, {9, 5, 7, 250});
    const dds::ClockFields clock = dds::DecodeClock(when);
    EXPECT_EQ(clock.dateTime, when);
    EXPECT_EQ(clock.year, 2026);
    EXPECT_EQ(clock.month, 3);
    EXPECT_EQ(clock.day, 1);
    EXPECT_EQ(clock.hour, 9);
    EXPECT_EQ(clock.minute, 5);
    EXPECT_EQ(clock.second, 7);
    EXPECT_EQ(clock.millisecond, 250);
    EXPECT_EQ(clock.yearText, "2026");
    EXPECT_EQ(clock.monthText, "3");
    EXPECT_EQ(clock.dayText, "1");
    EXPECT_EQ(clock.hourText, "9");
    EXPECT_EQ(clock.minuteText, "5");
    EXPECT_EQ(clock.secondText, "7");
}

} // namespace
