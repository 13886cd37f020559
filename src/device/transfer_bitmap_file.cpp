#include "device/transfer_bitmap_file.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstring>
#include <stdexcept>

namespace dds {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr int kBitsPerPixel = 24;

[[noreturn]] void ThrowFileError(const char* prefix, const QString& path)
{
    const QString message =
        QStringLiteral("%1 \"%2\"").arg(QString::fromUtf8(prefix), QDir::toNativeSeparators(path));
    throw std::runtime_error(message.toStdString());
}

int RowBytes(int width) { return (width * 3 + 3) & ~3; }

template <typename T>
void Put(QByteArray& bytes, int at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

template <typename T>
T Get(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

QByteArray Header(int width, int height)
{
    const int pixelBytes = RowBytes(width) * height;
    QByteArray header(kPixelOffset, '\0');
    header[0] = 'B';
    header[1] = 'M';
    Put<quint32>(header, 2, static_cast<quint32>(kPixelOffset + pixelBytes));
    Put<quint32>(header, 10, kPixelOffset);
    Put<quint32>(header, 14, kInfoHeaderSize);
    Put<qint32>(header, 18, width);
    Put<qint32>(header, 22, height); // positive: bottom row first
    Put<quint16>(header, 26, 1);
    Put<quint16>(header, 28, kBitsPerPixel);
    Put<quint32>(header, 34, static_cast<quint32>(pixelBytes));
    return header;
}

bool IsPlainBitmap(const QByteArray& bytes)
{
    if (bytes.size() < kPixelOffset || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const qint32 width = Get<qint32>(bytes, 18);
    const qint32 height = Get<qint32>(bytes, 22);
    const quint32 offset = Get<quint32>(bytes, 10);
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return false;
    if (Get<quint16>(bytes, 28) != kBitsPerPixel || Get<quint32>(bytes, 30) != 0)
        return false;
    return offset >= kPixelOffset &&
           static_cast<qint64>(offset) + qint64{RowBytes(width)} * height <= bytes.size();
}

} // namespace

void WriteBitmapFile(const QString& path, const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_BGR888);
    const int rowBytes = RowBytes(image.width());
    QByteArray bytes = Header(image.width(), image.height());
    bytes.resize(kPixelOffset + rowBytes * image.height(), '\0');
    for (int row = 0; row < image.height(); ++row)
        std::memcpy(bytes.data() + kPixelOffset + (image.height() - 1 - row) * rowBytes,
                    image.constScanLine(row), static_cast<size_t>(image.width() * 3));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush())
        ThrowFileError("Impossible de créer le fichier", path);
}

QImage ReadBitmapFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileError("Impossible d'ouvrir le fichier", path);
    const QByteArray bytes = file.readAll();
    if (!IsPlainBitmap(bytes))
        ThrowFileError("Image bitmap incorrecte", path);
    const int width = Get<qint32>(bytes, 18);
    const int height = Get<qint32>(bytes, 22);
    const int offset = static_cast<int>(Get<quint32>(bytes, 10));
    QImage image(width, height, QImage::Format_BGR888);
    for (int row = 0; row < height; ++row)
        std::memcpy(image.scanLine(row), bytes.constData() + offset + (height - 1 - row) * RowBytes(width),
                    static_cast<size_t>(width * 3));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace dds
