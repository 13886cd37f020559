#include "device/transfer_engine.h"

#include "device/generator_commands.h"
#include "synthesis/frequency_plan.h"
#include "synthesis/waveform_table.h"

#include <array>
#include <stdexcept>

namespace dds {

namespace {

void CheckRequest(const TransferRequest& request)
{
    if (request.range < kFirstRange || request.range > kLastRange)
        throw std::invalid_argument("range outside 1..7");
    const auto kind = static_cast<int32_t>(request.kind);
    if (kind < kFirstKind || kind > kLastKind)
        throw std::invalid_argument("waveform kind outside 1..12");
    if (request.samples.empty() || request.samples.size() > static_cast<std::size_t>(WaveformTable::kLength))
        throw std::invalid_argument("sample count outside 1..3200");
}

} // namespace

TransferEngine::TransferEngine(TransferReportSink& sink, AcknowledgementWait& wait,
                               std::function<bool()> stopRequested)
    : sink_(sink), wait_(wait), stopRequested_(std::move(stopRequested))
{
}

bool TransferEngine::sendAndWait(uint8_t code, std::span<const uint8_t> payload,
                                 TransferSummary& summary)
{
    sink_.sendReport(code, payload);
    switch (wait_.run(stopRequested_)) {
    case AcknowledgementWait::Outcome::Acknowledged:
        ++summary.acknowledged;
        summary.blocks.push_back(BlockOutcome::Acknowledged);
        return true;
    case AcknowledgementWait::Outcome::TimedOut:
        ++summary.timedOut;
        summary.blocks.push_back(BlockOutcome::TimedOut);
        return true;
    case AcknowledgementWait::Outcome::Stopped:
        break;
    }
    summary.stopped = true;
    return false;
}

bool TransferEngine::sendSamples(std::span<const uint8_t> samples, TransferProgress& progress,
                                 TransferSummary& summary)
{
    progress.blocksStarting(summary.layout.blocks);
    for (int block = 1; block <= summary.layout.blocks; ++block) {
        if (halted(summary))
            return false;
        progress.blockSending(block);
        const auto bytes = samples.subspan(static_cast<std::size_t>((block - 1) * kBlockSize), kBlockSize);
        if (!sendAndWait(gcSampleBlock, bytes, summary))
            return false;
    }
    if (summary.layout.tail == 0)
        return true;
    if (halted(summary))
        return false;
    const auto tail = samples.subspan(static_cast<std::size_t>(summary.layout.blocks * kBlockSize));
    return sendAndWait(gcSampleTail, tail, summary);
}

bool TransferEngine::halted(TransferSummary& summary) const
{
    summary.stopped = summary.stopped || (stopRequested_ && stopRequested_());
    return summary.stopped;
}

TransferSummary TransferEngine::run(const TransferRequest& request, TransferProgress& progress)
{
    CheckRequest(request);
    const int count = static_cast<int>(request.samples.size());
    TransferSummary summary;
    summary.layout = LayoutFor(count);
    if (halted(summary))
        return summary;

    const std::array<uint8_t, 5> header{
        static_cast<uint8_t>(request.range), static_cast<uint8_t>(summary.layout.blocks),
        static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count & 0xFF),
        static_cast<uint8_t>(request.kind)};
    sink_.sendReport(gcTransferHeader, header);

    if (request.kind == WaveformKind::WhiteNoise)
        sink_.sendReport(gcNoiseMode, {});
    else if (!sendSamples(request.samples, progress, summary))
        return summary;

    if (halted(summary))
        return summary;
    sink_.sendReport(gcTransferClose1, {});
    sink_.sendReport(gcTransferClose2, {});
    progress.selectFilter(FilterForTransfer(request.kind, request.range));
    return summary;
}

} // namespace dds
