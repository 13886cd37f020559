#include "device/transfer_bytes.h"

#include "device/transfer_bitmap_file.h"

#include <QDir>
#include <algorithm>
#include <stdexcept>

namespace dds {

namespace {

constexpr int kEventsEveryColumns = 64;

bool IsLineColour(QRgb pixel) { return (pixel & 0x00FFFFFF) == (kLineColour & 0x00FFFFFF); }

} // namespace

ResponsivenessPacer::ResponsivenessPacer(KeepResponsive keepResponsive,
                                         std::chrono::milliseconds interval)
    : keepResponsive_(std::move(keepResponsive)), interval_(interval),
      last_(std::chrono::steady_clock::now())
{
}

void ResponsivenessPacer::poll()
{
    if (!keepResponsive_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < interval_)
        return;
    keepResponsive_();
    last_ = std::chrono::steady_clock::now();
}

QImage DrawTablePicture(const WaveformTable& table, ResponsivenessPacer& pacer)
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_BGR888); // the file's own layout
    image.fill(Qt::white); // a plain memset of the whole picture measured ten times slower here
    const auto paint = [&image](int column, int top, int bottom) {
        for (int row = top; row <= bottom; ++row) {
            uchar* pixel = image.scanLine(row) + 3 * column; // blue, green, red
            pixel[0] = 0;
            pixel[1] = 0;
            pixel[2] = 255;
        }
    };
    DrawTableLine(table, paint, [&pacer](int32_t entry) {
        if (entry % kEventsEveryColumns == 0)
            pacer.poll();
    });
    return image;
}

QImage SaveAndReload(const QImage& picture, const QString& folder)
{
    // A case-sensitive file system must read back the very name that was written.
    const QString path = QDir(folder).filePath(kSampleFileName);
    WriteBitmapFile(path, picture);
    QImage reloaded = ReadBitmapFile(path);
    if (reloaded.size() != picture.size())
        throw std::runtime_error(QStringLiteral("Image bitmap incorrecte \"%1\"")
                                     .arg(QDir::toNativeSeparators(path))
                                     .toStdString());
    return reloaded;
}

QImage StretchColumns(const QImage& picture, int width, ResponsivenessPacer& pacer)
{
    // A freshly drawn picture is read in its own three-byte layout; anything else as 32 bits.
    const bool packed = picture.format() == QImage::Format_BGR888;
    const QImage source = packed ? picture : picture.convertToFormat(QImage::Format_RGB32);
    std::vector<int> sourceColumn(static_cast<std::size_t>(width));
    for (int column = 0; column < width; ++column)
        sourceColumn[static_cast<std::size_t>(column)] = StretchSourceColumn(column, width);

    QImage stretched(width, source.height(), QImage::Format_RGB32);
    for (int row = 0; row < source.height(); ++row) {
        auto* to = reinterpret_cast<QRgb*>(stretched.scanLine(row));
        if (packed) {
            const uchar* from = source.constScanLine(row); // blue, green, red
            for (int column = 0; column < width; ++column) {
                const uchar* pixel = from + 3 * sourceColumn[static_cast<std::size_t>(column)];
                to[column] = qRgb(pixel[2], pixel[1], pixel[0]);
            }
        } else {
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
            for (int column = 0; column < width; ++column)
                to[column] = from[sourceColumn[static_cast<std::size_t>(column)]];
        }
        pacer.poll();
    }
    return stretched;
}

std::vector<uint8_t> ScanColumns(const QImage& stretched, const WaveformTable& table,
                                 ResponsivenessPacer& pacer)
{
    const QImage image = stretched.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    std::vector<int> lowestRed(static_cast<std::size_t>(width), -1);
    for (int row = 0; row < image.height(); ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < width; ++column)
            if (IsLineColour(pixels[column]))
                lowestRed[static_cast<std::size_t>(column)] = row;
        pacer.poll();
    }

    std::vector<uint8_t> samples(static_cast<std::size_t>(width));
    for (int column = 0; column < width; ++column)
        samples[static_cast<std::size_t>(column)] =
            ColumnByte(lowestRed[static_cast<std::size_t>(column)], table, StretchSourceColumn(column, width));
    return samples;
}

ByteImage MakeByteImage(const WaveformTable& table, int sampleCount, const QString& folder,
                        const KeepResponsive& keepResponsive)
{
    if (sampleCount < 1 || sampleCount > kPictureWidth)
        throw std::invalid_argument("sample count outside 1..3200");
    ResponsivenessPacer pacer(keepResponsive);
    ByteImage result;
    result.drawn = DrawTablePicture(table, pacer);
    const QImage reloaded = SaveAndReload(result.drawn, folder);
    pacer.poll();
    result.stretched = StretchColumns(reloaded, sampleCount, pacer);
    result.samples = ScanColumns(result.stretched, table, pacer);
    return result;
}

} // namespace dds
