#pragma once
#include <string>

namespace dds {

// The status-bar text under the pointer in draw mode: "  X= 1234  Y= 200", the sample number
// limited to 0..3200 and the value to 0..255 (the limits apply to the text only).
std::string PositionReadout(long sampleNumber, long value);

// What replaces the readout when draw mode ends.
std::string BlankReadout();

// The pointer's sample number and value on the plot, nearest with ties to even.
long NearestWhole(double v);

} // namespace dds
