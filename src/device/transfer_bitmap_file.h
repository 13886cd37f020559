#pragma once
#include <QImage>
#include <QString>

namespace dds {

// The transfer's picture file: an uncompressed 24-bit bitmap with bottom-up rows, written and
// read in one piece so that the round trip costs little more than the copy. Colours survive
// exactly. Both throw std::runtime_error with the French run-time message for the path.
void WriteBitmapFile(const QString& path, const QImage& picture);
// The picture as Format_RGB32; a file that is not a 24-bit uncompressed bitmap is refused.
QImage ReadBitmapFile(const QString& path);

} // namespace dds
