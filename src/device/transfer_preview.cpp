#include "device/transfer_preview.h"

#include <stdexcept>

#include "device/transfer_bytes.h"

namespace dds {

std::vector<uint8_t> PlayedBytes(const WaveformTable& table, int sampleCount)
{
    if (sampleCount < 1 || sampleCount > kPictureWidth)
        throw std::invalid_argument("sample count outside 1..3200");
    ResponsivenessPacer unpaced{KeepResponsive{}};
    const QImage drawn = DrawTablePicture(table, unpaced);
    const QImage stretched = StretchColumns(drawn, sampleCount, unpaced);
    return ScanColumns(stretched, table, unpaced);
}

} // namespace dds
