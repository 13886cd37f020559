#pragma once
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dds {
class VirtualHidBus;
}

namespace dds::cli {

// The virtual generator's fault switches, as --virtual-fault gives them.
struct VirtualFaults {
    bool noAcknowledgement = false;                        // no-ack
    std::optional<std::chrono::milliseconds> ackLatency;   // late-ack:MS
    std::optional<size_t> unplugAfterReports;              // unplug-after:K
    bool flood = false;                                    // flood
};

// One switch per SPEC, each switch at most once; UsageError for anything else.
VirtualFaults ParseVirtualFaults(const std::vector<std::string>& specs);

// A bus with the virtual generator attached, its switches set. Needs an application object once
// a switch is on, since the generator's timers then run.
std::shared_ptr<VirtualHidBus> VirtualGeneratorBus(const VirtualFaults& faults = {});

} // namespace dds::cli
