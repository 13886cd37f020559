#include "widgets/spin_text.h"

#include <algorithm>
#include <limits>

namespace dds {

int spinLimited(long long value, int minValue, int maxValue)
{
    if (minValue == maxValue)
        return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    return static_cast<int>(std::clamp<long long>(value, minValue, maxValue));
}

int spinValueOfText(const QString& text, int minValue, int maxValue)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return minValue;
    return spinLimited(value, minValue, maxValue);
}

} // namespace dds
