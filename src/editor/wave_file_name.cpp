#include "editor/wave_file_name.h"

namespace dds {

namespace {

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

} // namespace

std::string ProposedWaveFileName(int day, int month, int year, int hour, int minute, int second)
{
    return "Onde_" + std::to_string(day) + "_" + std::to_string(month) + "_" + std::to_string(year)
           + "__" + std::to_string(hour) + "_" + TwoDigits(minute) + "_" + TwoDigits(second);
}

} // namespace dds
