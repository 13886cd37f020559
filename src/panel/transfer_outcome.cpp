#include "panel/transfer_outcome.h"

namespace dds {

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
    outcome.generatorVanished = summary.generatorVanished;
    outcome.filter = summary.stopped ? -1 : FilterForTransfer(request.kind, request.range);
    return outcome;
}

} // namespace dds
