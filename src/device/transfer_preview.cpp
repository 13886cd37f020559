#include "device/transfer_preview.h"

#include <stdexcept>

#include "device/transfer_line.h"

namespace dds {

std::vector<uint8_t> PlayedBytes(const WaveformTable& table, int sampleCount)
{
    if (sampleCount < 1 || sampleCount > kPictureWidth)
        throw std::invalid_argument("sample count outside 1..3200");
    // A stretched column is a copy of one drawn column, so its lowest red pixel is that column's.
    const std::vector<int> lowest = LowestLineRows(table);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(sampleCount));
    for (int column = 0; column < sampleCount; ++column) {
        const int drawn = StretchSourceColumn(column, sampleCount);
        bytes[static_cast<std::size_t>(column)] = ColumnByte(lowest[static_cast<std::size_t>(drawn)], table, drawn);
    }
    return bytes;
}

} // namespace dds
