#pragma once

// Slider arithmetic, shared by the drag, the rail press and the keys.
namespace dds {

// Value for a thumb offset along the rail, measured from the minimum end (0 .. railLength):
// minValue + nearest(offset * span / railLength); without smooth dragging the result is snapped to
// the nearest multiple of the increment. Limited to [minValue, maxValue].
int sliderValueAtOffset(int offset, int railLength, int minValue, int maxValue, int increment, bool smooth);

// Thumb offset from the minimum end for a value.
int sliderOffsetOfValue(int value, int railLength, int minValue, int maxValue);

// One step of a rail press or key: increment * nearest(value / increment) +/- increment, limited.
int sliderStep(int value, bool up, int minValue, int maxValue, int increment);

} // namespace dds
