#pragma once
#include <QImage>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "device/transfer_line.h"
#include "synthesis/waveform_table.h"

namespace dds {

// The waveform is turned into sample bytes through a picture: the table drawn as a red line
// into a 3200 x 256 bitmap (transfer_line's rule), written to disk and read back, stretched to the
// sample count's width, and each column's lowest red pixel read as that column's byte.
constexpr QRgb kLineColour = 0xFFFF0000; // pure red, the only colour the scan accepts
inline const QString kSampleFileName = QStringLiteral("Sample.bmp");

// Lets pending window messages run while the picture work goes on; the pacer below calls it at
// most every `interval`, so animations and input reports keep moving without per-pixel dispatch.
using KeepResponsive = std::function<void()>;

class ResponsivenessPacer {
public:
    explicit ResponsivenessPacer(KeepResponsive keepResponsive,
                                 std::chrono::milliseconds interval = std::chrono::milliseconds(10));
    // Runs the callback when the interval has passed since the last run.
    void poll();

private:
    KeepResponsive keepResponsive_;
    std::chrono::steady_clock::duration interval_;
    std::chrono::steady_clock::time_point last_;
};

// The table as a one-pixel pure-red polyline on white, 24 bits per pixel. Point 0 is entry 1
// (raised to 0 if negative), point i is entry i at column i; each segment leaves out its last pixel.
QImage DrawTablePicture(const WaveformTable& table, ResponsivenessPacer& pacer);

// Writes the picture as "Sample.bmp" in `folder` and reads it back; throws std::runtime_error
// when either fails, before anything is sent to the generator.
QImage SaveAndReload(const QImage& picture, const QString& folder);

// The picture stretched to `width` columns by whole-column copies, never blending.
QImage StretchColumns(const QImage& picture, int width, ResponsivenessPacer& pacer);

// One byte per column of the stretched picture: the row of its lowest pure-red pixel. A column
// without red (only for values outside 0..255) takes the entry it was stretched from, limited to
// 0..255, so no value leaks over from another transfer.
std::vector<uint8_t> ScanColumns(const QImage& stretched, const WaveformTable& table,
                                 ResponsivenessPacer& pacer);

struct ByteImage {
    QImage drawn;                 // the 3200 x 256 drawing, the work window's Image2
    QImage stretched;             // the picture at the sample count's width, its Image1
    std::vector<uint8_t> samples; // one byte per stretched column
};

// The whole picture work for one transfer. `sampleCount` must lie in 1..3200.
ByteImage MakeByteImage(const WaveformTable& table, int sampleCount, const QString& folder,
                        const KeepResponsive& keepResponsive);

} // namespace dds
