#pragma once
#include <string>
#include <vector>

namespace dds::cli {

// The exit statuses scripts may rely on.
enum ExitStatus : int {
    kExitDone = 0,
    kExitFailure = 1,        // no generator, a --device that is not one, any other failure
    kExitBadOptions = 2,
    kExitNotAcknowledged = 3, // the transfer went on past blocks that timed out
    kExitVanished = 4,        // the generator left; nothing was written after that
};

// "blocks 12-51 of 51 not acknowledged", "block 7 of 52 not acknowledged",
// "blocks 1, 3-4 of 52 not acknowledged": `blocks` are 1-based acknowledged-report numbers, the
// tail counting as the last, in increasing order.
std::string NotAcknowledgedText(const std::vector<int>& blocks, int total);

} // namespace dds::cli
