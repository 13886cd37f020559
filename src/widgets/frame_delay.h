#pragma once

namespace dds {

// Shortest and longest time one frame of an animation stays up, in milliseconds.
inline constexpr int shortestFrameMs = 50;
inline constexpr int longestFrameMs = 10000;

// A frame's own delay limited to [shortestFrameMs, longestFrameMs]; a missing delay (negative)
// counts as the shortest.
int limitedFrameDelay(int delayMs);

// The frame after frameIndex in an endless loop of frameCount frames.
int nextFrameIndex(int frameIndex, int frameCount);

} // namespace dds
