#include "panel/transfer_outcome.h"

namespace dds {

std::string BlockNumbersText(const std::vector<int>& blocks, int total)
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

TransferOutcome OutcomeOf(const TransferRequest& request, const TransferSummary& summary)
{
    TransferOutcome outcome;
    outcome.range = request.range;
    outcome.sampleCount = static_cast<int32_t>(request.samples.size());
    outcome.kind = request.kind;
    outcome.layout = summary.layout;
    outcome.blocks = summary.blocks;
    outcome.acknowledged = summary.acknowledged;
    outcome.timedOut = summary.timedOut;
    const bool noise = request.kind == WaveformKind::WhiteNoise;
    const int planned = noise ? 0 : summary.layout.blocks + (summary.layout.tail > 0 ? 1 : 0);
    outcome.notSent = planned - static_cast<int>(summary.blocks.size());
    outcome.stopped = summary.stopped;
    outcome.generatorVanished = summary.generatorLost;
    outcome.delivered = summary.delivered;
    outcome.filterNeeded = summary.filterNeeded;
    outcome.filter = summary.stopped ? -1 : FilterForTransfer(request.kind, request.range);
    return outcome;
}

} // namespace dds
