#include "device/transfer_line.h"

#include <algorithm>

namespace dds {

namespace {

// The rows from `fromRow` to `toRow` in `column`, as far as they lie inside the picture.
void PaintRun(const LinePainter& paint, int64_t column, int64_t fromRow, int64_t toRow)
{
    if (column < 0 || column >= kPictureWidth)
        return; // the final point lies one column past the right edge
    const int64_t top = std::max<int64_t>(std::min(fromRow, toRow), 0);
    const int64_t bottom = std::min<int64_t>(std::max(fromRow, toRow), kPictureHeight - 1);
    if (top <= bottom)
        paint(static_cast<int>(column), static_cast<int>(top), static_cast<int>(bottom));
}

// One segment from (column, from) to (column + 1, to), its last pixel left out: the rows from
// `from` towards `to`, at least one. Pixel k of n lies at column + k / n and goes to the nearer
// column, a tie staying behind; so a steep segment changes column past its middle, a vertical edge
// is split over two neighbouring columns, and a flat or one-row step is its start pixel alone.
void DrawSegment(const LinePainter& paint, int64_t column, int64_t from, int64_t to)
{
    const int64_t pixels = std::max<int64_t>(to > from ? to - from : from - to, 1);
    const int64_t direction = to > from ? 1 : -1;
    const int64_t lastBehind = pixels / 2; // 2k <= n stays in the segment's own column
    PaintRun(paint, column, from, from + direction * lastBehind);
    if (lastBehind + 1 < pixels)
        PaintRun(paint, column + 1, from + direction * (lastBehind + 1), from + direction * (pixels - 1));
}

} // namespace

void DrawTableLine(const WaveformTable& table, const LinePainter& paint,
                   const std::function<void(int32_t entry)>& segmentDrawn)
{
    const int step = kPictureWidth / table.length;
    int64_t previous = std::max(table[table.firstIndex], 0);
    for (int32_t i = table.firstIndex; i <= table.length; ++i) {
        const int64_t entry = table[i];
        DrawSegment(paint, int64_t{i - 1} * step, previous, entry);
        previous = entry;
        if (segmentDrawn)
            segmentDrawn(i);
    }
}

std::vector<int> LowestLineRows(const WaveformTable& table)
{
    std::vector<int> lowest(kPictureWidth, -1);
    DrawTableLine(table, [&lowest](int column, int, int bottom) {
        int& row = lowest[static_cast<std::size_t>(column)];
        row = std::max(row, bottom);
    });
    return lowest;
}

int StretchSourceColumn(int column, int width)
{
    return static_cast<int>((int64_t{2} * column + 1) * kPictureWidth / (int64_t{2} * width));
}

int32_t TableEntryOfColumn(const WaveformTable& table, int drawnColumn)
{
    return table[std::max(drawnColumn, table.firstIndex)];
}

uint8_t ColumnByte(int lowestRow, const WaveformTable& table, int drawnColumn)
{
    const int value = lowestRow >= 0 ? lowestRow : std::clamp(TableEntryOfColumn(table, drawnColumn), 0, 255);
    return static_cast<uint8_t>(value);
}

} // namespace dds
