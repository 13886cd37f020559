#include "cli/exit_status.h"

#include "panel/transfer_outcome.h"

namespace dds::cli {

std::string NotAcknowledgedText(const std::vector<int>& blocks, int total)
{
    return BlockNumbersText(blocks, total) + " not acknowledged";
}

} // namespace dds::cli
