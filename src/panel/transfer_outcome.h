#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "device/transfer_engine.h"
#include "device/transfer_layout.h"
#include "synthesis/waveform_kind.h"

namespace dds {

// What became of one transfer.
struct TransferOutcome {
    int32_t range = 0;
    int32_t sampleCount = 0;
    WaveformKind kind = WaveformKind::Sine;
    TransferLayout layout;            // full blocks and tail; white noise sends neither
    std::vector<BlockOutcome> blocks; // one per acknowledged report sent, in order, the tail last
    int acknowledged = 0;
    int timedOut = 0;               // sent, not acknowledged in time; the transfer went on
    int notSent = 0;                // acknowledged reports never sent because the transfer ended early
    bool stopped = false;           // ended early: nothing was written after that
    bool generatorVanished = false; // the generator was unplugged meanwhile
    int filter = -1;                // the filter selected at the end, 0..7; -1 when it ended early
    std::vector<uint8_t> delivered; // the code of every report that reached the generator, in order
    bool filterNeeded = false;      // the generator was told another filter: the transfer ends with one
    bool operator==(const TransferOutcome&) const = default;
};

// "blocks 12-51 of 51", "block 7 of 52", "blocks 1, 3-4 of 52": 1-based acknowledged-report
// numbers in increasing order (the tail counting as the last), runs joined.
std::string BlockNumbersText(const std::vector<int>& blocks, int total);

// The outcome of sending `request` as the engine's summary tells it.
TransferOutcome OutcomeOf(const TransferRequest& request, const TransferSummary& summary);

} // namespace dds
