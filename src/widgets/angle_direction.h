#pragma once

enum TAngleDirection { adEast, adNothEast, adNoth, adNothWest, adWest, adSouthWest, adSouth, adSouthEast };

namespace dds {

// The direction an angle in degrees snaps to: ((angle mod 360 + 23) mod 360) div 45, with the
// remainders taken non-negative so that negative angles snap like their positive equivalents.
TAngleDirection angleDirectionOf(int degrees);

// The angle in degrees of a direction: 0 to 315 in steps of 45.
int degreesOf(TAngleDirection direction);

} // namespace dds
