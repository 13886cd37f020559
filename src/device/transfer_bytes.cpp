#include "device/transfer_bytes.h"

#include "device/transfer_bitmap_file.h"

#include <QDir>
#include <algorithm>
#include <stdexcept>

namespace dds {

namespace {

constexpr int kEventsEveryColumns = 64;

void PaintRun(QImage& image, int64_t column, int64_t fromRow, int64_t toRow)
{
    if (column < 0 || column >= image.width())
        return; // the final point lies one column past the right edge
    const int64_t top = std::max<int64_t>(std::min(fromRow, toRow), 0);
    const int64_t bottom = std::min<int64_t>(std::max(fromRow, toRow), image.height() - 1);
    for (int64_t row = top; row <= bottom; ++row) {
        uchar* pixel = image.scanLine(static_cast<int>(row)) + 3 * column; // blue, green, red
        pixel[0] = 0;
        pixel[1] = 0;
        pixel[2] = 255;
    }
}

// One segment from (column, from) to (column + 1, to), its last pixel left out: the rows from
// `from` towards `to`, at least one. Pixel k of n lies at column + k / n and goes to the nearer
// column, a tie staying behind; so a steep segment changes column past its middle, a vertical edge
// is split over two neighbouring columns, and a flat or one-row step is its start pixel alone.
void DrawSegment(QImage& image, int64_t column, int64_t from, int64_t to)
{
    const int64_t pixels = std::max<int64_t>(to > from ? to - from : from - to, 1);
    const int64_t direction = to > from ? 1 : -1;
    const int64_t lastBehind = pixels / 2; // 2k <= n stays in the segment's own column
    PaintRun(image, column, from, from + direction * lastBehind);
    if (lastBehind + 1 < pixels)
        PaintRun(image, column + 1, from + direction * (lastBehind + 1), from + direction * (pixels - 1));
}

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
    const int step = image.width() / table.length;
    int64_t previous = std::max(table[table.firstIndex], 0);
    for (int32_t i = table.firstIndex; i <= table.length; ++i) {
        const int64_t entry = table[i];
        DrawSegment(image, int64_t{i - 1} * step, previous, entry);
        previous = entry;
        if (i % kEventsEveryColumns == 0)
            pacer.poll();
    }
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

int StretchSourceColumn(int column, int width)
{
    return static_cast<int>((int64_t{2} * column + 1) * kPictureWidth / (int64_t{2} * width));
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

int32_t TableEntryOfColumn(const WaveformTable& table, int drawnColumn)
{
    return table[std::max(drawnColumn, table.firstIndex)];
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
    for (int column = 0; column < width; ++column) {
        int value = lowestRed[static_cast<std::size_t>(column)];
        if (value < 0)
            value = std::clamp(TableEntryOfColumn(table, StretchSourceColumn(column, width)), 0, 255);
        samples[static_cast<std::size_t>(column)] = static_cast<uint8_t>(value);
    }
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
