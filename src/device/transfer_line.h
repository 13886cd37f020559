#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "synthesis/waveform_table.h"

namespace dds {

// The transfer draws the table as a red line into a picture of 3200 x 256 and reads each column's
// lowest red pixel back as a byte. This is that line's rule, and what the scan finds, without the
// picture: plain C++, which the tool and the window's overlay use without a picture at all.
constexpr int kPictureWidth = 3200;
constexpr int kPictureHeight = 256;

// The line through the table: point 0 is entry 1 (raised to 0 when negative), point i is entry i at
// column i, and each segment leaves out its last pixel. `paint` gets each run of rows the line
// leaves inside the picture in one column (top <= bottom), segment by segment; `segmentDrawn(i)`
// runs after the segment ending at entry i.
using LinePainter = std::function<void(int column, int top, int bottom)>;
void DrawTableLine(const WaveformTable& table, const LinePainter& paint,
                   const std::function<void(int32_t entry)>& segmentDrawn = {});

// For each drawn column, the lowest row of the line in it (the largest row number), -1 where the
// line leaves no pixel (only for entries outside 0..255).
std::vector<int> LowestLineRows(const WaveformTable& table);

// The drawn column (0..3199) that stretched column `column` of `width` copies: nearest neighbour.
int StretchSourceColumn(int column, int width);

// The table entry that drawn column `drawnColumn` shows: column 0 holds the start point (entry 1),
// column c the point of entry c.
int32_t TableEntryOfColumn(const WaveformTable& table, int drawnColumn);

// The byte of a column copied from drawn column `drawnColumn` whose lowest red row is
// `lowestRow`: that row, or without red the entry the column shows, limited to 0..255, so that no
// value leaks over from another transfer.
uint8_t ColumnByte(int lowestRow, const WaveformTable& table, int drawnColumn);

} // namespace dds
