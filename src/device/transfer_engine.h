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
    // False when the report did not reach the generator.
    virtual bool sendReport(uint8_t code, std::span<const uint8_t> payload) = 0;
    // Whether the generator was last told `filter` (0 off, 1..7), so that its command would
    // change nothing.
    virtual bool filterSelected(int filter) const = 0;
};

// What the windows show while the reports go out; every step may be left as it is.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void blocksStarting(int /*blocks*/) {}
    virtual void blockSending(int /*block*/) {}
    // The transfer ended with `filter` selected (0 off, 1..7): the window's radio follows.
    virtual void filterSelected(int /*filter*/) {}
};

struct TransferRequest {
    int32_t range = 0;
    WaveformKind kind = WaveformKind::Sine;
    std::vector<uint8_t> samples; // the sample count's worth of bytes, 1..3200
};

// What became of one acknowledged report (a full block or the tail) that reached the generator.
enum class BlockOutcome {
    Acknowledged,
    TimedOut,
    Unanswered, // the transfer stopped during its wait
};

struct TransferSummary {
    TransferLayout layout;
    std::vector<BlockOutcome> blocks; // one per block or tail that reached the generator, the tail last
    int acknowledged = 0;
    int timedOut = 0;
    std::vector<uint8_t> delivered; // the code of every report that reached the generator, in order
    bool filterNeeded = false;      // the generator was told another filter: the transfer ends with one
    bool stopped = false;           // stopped, or a report did not reach the generator: nothing more was sent
    bool generatorLost = false;     // set by the holder when the generator left or refused a report
};

// Sends one waveform: the header, then the acknowledged blocks and tail (or the noise command for
// white noise), then the two closing reports, then the filter the waveform calls for when the
// generator was told another one. `stopRequested` is checked before every block and during every
// wait, and a report that does not reach the generator ends the transfer there, so a transfer
// interrupted by the window closing or the generator leaving writes nothing more.
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
    // Records the report when it reached the generator; otherwise the transfer stops.
    bool send(uint8_t code, std::span<const uint8_t> payload, TransferSummary& summary);
    // Records and reports whether the transfer must end here.
    bool halted(TransferSummary& summary) const;

    TransferReportSink& sink_;
    AcknowledgementWait& wait_;
    std::function<bool()> stopRequested_;
};

} // namespace dds
