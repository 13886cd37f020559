#pragma once
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace dds {

// The virtual generator's fault switches, for trying a program without hardware.
struct VirtualFaults {
    bool noAcknowledgement = false;                      // no block is acknowledged
    std::optional<std::chrono::milliseconds> ackLatency; // each acknowledgement comes this late
    std::optional<size_t> unplugAfterReports;            // it vanishes after this many reports
    bool flood = false;                                  // a stream of unrelated input reports
};

// Which HID backend a program drives: the system's interfaces, or the in-process virtual
// generator; either may log every written output report to a file.
struct BackendChoice {
    bool virtualGenerator = false;
    // How long after start-up the virtual generator is plugged in; zero attaches it at once.
    std::chrono::milliseconds virtualPlugDelay{0};
    VirtualFaults virtualFaults;
    std::optional<std::string> reportLog;
};

// The backend `choice` names. `system` stands for the system's interfaces (hidapi when empty).
// std::runtime_error when the report log cannot be opened.
std::shared_ptr<HidBackend> MakeBackend(const BackendChoice& choice, std::shared_ptr<HidBackend> system = {});

// The window's options: "--virtual-generator" plugs the in-process generator in shortly after
// start-up, "--report-log FILE" logs the reports. std::runtime_error for an option without its file.
BackendChoice BackendChoiceFromOptions(const std::vector<std::string>& arguments);

} // namespace dds
