#include "editor/position_readout.h"

#include <algorithm>
#include <cmath>

namespace dds {

std::string PositionReadout(long sampleNumber, long value)
{
    return "  X= " + std::to_string(std::clamp(sampleNumber, 0L, 3200L)) + "  Y= "
           + std::to_string(std::clamp(value, 0L, 255L));
}

std::string BlankReadout() { return std::string(25, ' '); }

long NearestWhole(double v)
{
    // Pointer positions far outside the widget still give a defined whole number.
    return std::lrint(std::clamp(v, -1e9, 1e9));
}

} // namespace dds
