#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/frequency_options.h"
#include "panel/transfer_outcome.h"

namespace dds::cli {

// What became of a transfer, as its summary line and JSON object say it: the setting, what
// reached the generator, each block's outcome, and what was never sent when it stopped early.
struct TransferReport {
    const FrequencyChoice& choice;
    const TransferOutcome& outcome;
    int64_t milliseconds = 0;
    std::string device;
    bool interrupted = false; // a signal stopped it
    bool lost = false;        // the generator left or refused a report, the closing command included
    bool closed = false;      // the closing command reached the generator
    int exitStatus = 0;

    // "range 5, 1000 Hz, 3200 samples, played 1000.000 Hz, 51 blocks, tail 38, 80 ms,
    // 52 acknowledged, 0 timed out", then what was not acknowledged and what was never sent.
    std::string Text() const;
    nlohmann::json Json() const;

    // "acknowledged", "not acknowledged", "vanished" or "interrupted".
    std::string Outcome() const;
    std::vector<int> NotAcknowledged() const;
    // The blocks (the tail the last) that never went out, and every other part that did not:
    // "header", "noise command", "end-of-transfer reports 7 and 6" (or "report 6"), "filter",
    // "closing command".
    std::vector<int> BlocksNeverSent() const;
    std::vector<std::string> PartsNeverSent() const;

private:
    int AcknowledgedReports() const;
    bool Delivered(uint8_t code) const;
};

} // namespace dds::cli
