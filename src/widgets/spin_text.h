#pragma once
#include <QString>

namespace dds {

// The value of a spin edit's text: the whole number it holds (surrounding spaces allowed), or the
// minimum when it holds no whole number. Limited to [minValue, maxValue] unless both are equal,
// which means the edit is unbounded.
int spinValueOfText(const QString& text, int minValue, int maxValue);

// The value limited as above.
int spinLimited(long long value, int minValue, int maxValue);

} // namespace dds
