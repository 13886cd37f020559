#include "synthesis/waveform_table.h"

#include <algorithm>

namespace dds {

void WaveformTable::limitToByteRange()
{
    for (int32_t i = firstIndex; i <= length; ++i)
        (*this)[i] = std::clamp((*this)[i], 0, 255);
}

} // namespace dds
