#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "device/transfer_acknowledgement.h"
#include "device/transfer_layout.h"
#include "synthesis/waveform_kind.h"

namespace dds {

// Where the transfer's reports go: writes the code at byte 1 and the payload from byte 2 into the
// shared output report, leaving every later byte as it was, and sends it to the open generator.
class TransferReportSink {
public:
    virtual ~TransferReportSink() = default;
    virtual void sendReport(uint8_t code, std::span<const uint8_t> payload) = 0;
};

// What the windows show while the reports go out; every step may be left as it is.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void blocksStarting(int /*blocks*/) {}
    virtual void blockSending(int /*block*/) {}
    // 0 for the filter off, otherwise the filter of that range number.
    virtual void selectFilter(int /*filter*/) {}
};

struct TransferRequest {
    int32_t range = 0;
    WaveformKind kind = WaveformKind::Sine;
    std::vector<uint8_t> samples; // the sample count's worth of bytes, 1..3200
};

// What became of one acknowledged report (a full block or the tail), in sending order.
enum class BlockOutcome { Acknowledged, TimedOut };

struct TransferSummary {
    TransferLayout layout;
    std::vector<BlockOutcome> blocks; // one per acknowledged report sent, the tail last
    int acknowledged = 0;
    int timedOut = 0;
    bool stopped = false;           // the window closed or the generator left: nothing more was sent
    bool generatorVanished = false; // set by the holder when the generator was unplugged meanwhile
};

// Sends one waveform: the header, then the acknowledged blocks and tail (or the noise command for
// white noise), then the two closing reports, then the filter choice. `stopRequested` is checked
// before every report and during every wait, so a transfer interrupted by the window closing or
// the generator leaving writes nothing more.
class TransferEngine {
public:
    TransferEngine(TransferReportSink& sink, AcknowledgementWait& wait,
                   std::function<bool()> stopRequested);

    // std::invalid_argument for a range, kind or sample count the generator cannot take.
    TransferSummary run(const TransferRequest& request, TransferProgress& progress);

private:
    bool sendSamples(std::span<const uint8_t> samples, TransferProgress& progress,
                     TransferSummary& summary);
    bool sendAndWait(uint8_t code, std::span<const uint8_t> payload, TransferSummary& summary);
    // Records and reports whether the transfer must end here.
    bool halted(TransferSummary& summary) const;

    TransferReportSink& sink_;
    AcknowledgementWait& wait_;
    std::function<bool()> stopRequested_;
};

} // namespace dds
