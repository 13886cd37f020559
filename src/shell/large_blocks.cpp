#include "shell/large_blocks.h"

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace dds {

void ReturnLargeBlocksToTheSystem()
{
#if defined(__GLIBC__)
    constexpr int kLargeBlockBytes = 1024 * 1024; // smaller than any picture, larger than the rest
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

} // namespace dds
