#include "panel/panel_checks.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "device/generator_commands.h"
#include "synthesis/frequency_plan.h"

namespace dds {
namespace {

void CheckWithin(const char* what, int64_t value, int64_t lowest, int64_t highest)
{
    if (value < lowest || value > highest)
        throw std::invalid_argument(std::string(what) + " must be " + std::to_string(lowest) + " to "
                                    + std::to_string(highest) + " (got " + std::to_string(value) + ")");
}

} // namespace

void CheckSetting(int32_t range, int32_t position)
{
    CheckWithin("range", range, kFirstRange, kLastRange);
    CheckWithin("position", position, kSliderMinimum, kSliderMaximum);
}

void CheckKind(WaveformKind kind)
{
    CheckWithin("waveform kind", static_cast<int32_t>(kind), kFirstKind, kLastKind);
}

void CheckShapeControls(const ShapeControls& controls)
{
    CheckWithin("amplitude", controls.amplitude, kAmplitudeMinimum, kAmplitudeMaximum);
    CheckWithin("shape", controls.shape, kShapeMinimum, kShapeMaximum);
    CheckWithin("vertical position", controls.vertical, kVerticalMinimum, kVerticalMaximum);
    CheckWithin("coefficient", controls.coefficient, kCoefficientMinimum, std::numeric_limits<int32_t>::max());
}

void CheckTableBounds(const WaveformTable& table)
{
    if (table.firstIndex != WaveformTable::kFirstIndex || table.length != WaveformTable::kLength)
        throw std::invalid_argument("a table holds entries 1 to 3200");
}

void CheckOffset(int32_t position)
{
    CheckWithin("offset", position, kOffsetMinimum, kOffsetMaximum);
}

void CheckOutputAmplitude(int32_t position)
{
    CheckWithin("output amplitude", position, kOutputAmplitudeMinimum, kOutputAmplitudeMaximum);
}

void CheckAmplitudeStep(int32_t count)
{
    CheckWithin("amplitude step", count, -kLargestAmplitudeStep, kLargestAmplitudeStep);
}

void CheckFilter(int filter)
{
    CheckWithin("filter", filter, kFilterOff, kLastFilter);
}

} // namespace dds
