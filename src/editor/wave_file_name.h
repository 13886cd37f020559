#pragma once
#include <string>

namespace dds {

// The name the save dialog proposes: "Onde_" day_month_year "__" hour_minute_second, with day,
// month and hour unpadded, the year in four digits, minute and second in two.
std::string ProposedWaveFileName(int day, int month, int year, int hour, int minute, int second);

} // namespace dds
