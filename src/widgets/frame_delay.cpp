#include "widgets/frame_delay.h"

#include <algorithm>

namespace dds {

int limitedFrameDelay(int delayMs)
{
    return std::clamp(delayMs, shortestFrameMs, longestFrameMs);
}

int nextFrameIndex(int frameIndex, int frameCount)
{
    if (frameCount <= 0)
        return 0;
    return (frameIndex + 1) % frameCount;
}

} // namespace dds
