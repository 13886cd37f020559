#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "device/transfer_bitmap_file.h"

using namespace dds;

namespace {

QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 11) % 256, (x + y) % 256));
    return image;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(TransferBitmapFile, EveryPixelSurvivesTheRoundTripWithRowPadding)
{
    QTemporaryDir folder;
    for (int width : {3200, 7, 5}) { // 7 and 5 columns need padded rows
        const QImage picture = Pattern(width, 9);
        const QString path = folder.filePath("Sample.bmp");
        WriteBitmapFile(path, picture);
        EXPECT_EQ(ReadBitmapFile(path), picture) << width;
    }
}

TEST(TransferBitmapFile, OtherReadersSeeTheSamePicture)
{
    QTemporaryDir folder;
    const QImage picture = Pattern(31, 17);
    WriteBitmapFile(folder.filePath("a.bmp"), picture);
    const QImage decoded(folder.filePath("a.bmp"), "BMP");
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture);
}

TEST(TransferBitmapFile, DamagedOrForeignFilesAreRefused)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Sample.bmp");
    WriteBitmapFile(path, Pattern(64, 64));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();

    WriteBytes(path, whole.left(whole.size() / 2)); // cut short: the rows promised are not there
    EXPECT_THROW(ReadBitmapFile(path), std::runtime_error);
    QByteArray eightBit = whole;
    eightBit[28] = 8;
    WriteBytes(path, eightBit);
    EXPECT_THROW(ReadBitmapFile(path), std::runtime_error);
    WriteBytes(path, "not a picture");
    EXPECT_THROW(ReadBitmapFile(path), std::runtime_error);
    EXPECT_THROW(ReadBitmapFile(folder.filePath("missing.bmp")), std::runtime_error);
}
