#include "cli/exit_status.h"

namespace dds::cli {

std::string BlocksText(const std::vector<int>& blocks, int total)
{
    std::string runs;
    for (std::size_t i = 0; i < blocks.size();) {
        std::size_t last = i;
        while (last + 1 < blocks.size() && blocks[last + 1] == blocks[last] + 1)
            ++last;
        runs += (runs.empty() ? "" : ", ") + std::to_string(blocks[i]);
        if (last > i)
            runs += "-" + std::to_string(blocks[last]);
        i = last + 1;
    }
    return (blocks.size() == 1 ? "block " : "blocks ") + runs + " of " + std::to_string(total);
}

std::string NotAcknowledgedText(const std::vector<int>& blocks, int total)
{
    return BlocksText(blocks, total) + " not acknowledged";
}

} // namespace dds::cli
