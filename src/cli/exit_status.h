#pragma once
#include <string>
#include <vector>

namespace dds::cli {

// The exit statuses scripts may rely on.
enum ExitStatus : int {
    kExitDone = 0,
    kExitFailure = 1,         // no generator, a --device that is not one, a failed write of the tool's
                              // own output, any other failure
    kExitBadOptions = 2,      // bad options or a --file that cannot be read
    kExitNotAcknowledged = 3, // the transfer went on past blocks that timed out
    kExitVanished = 4,        // the generator left or refused a report; nothing was written after that
    // 128 + the signal: SIGINT (130) or SIGTERM (143) stopped the command, which closed as the
    // quit button does.
};

// `BlockNumbersText` of the blocks followed by " not acknowledged".
std::string NotAcknowledgedText(const std::vector<int>& blocks, int total);

} // namespace dds::cli
