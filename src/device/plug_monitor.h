#pragma once
#include "device/plug_polling.h"

#include <functional>
#include <memory>

namespace dds {

// Calls `onChange` on the UI thread when a HID interface is plugged in or out: on Linux, udev
// events of the hidraw subsystem; on Windows, the system's device-change broadcast. Elsewhere, or
// when udev cannot be reached, the interface paths from `listPaths` are compared every second.
// Watching starts in the constructor.
class PlugMonitor {
public:
    PlugMonitor(std::function<void()> onChange, PlugPolling::PathLister listPaths);
    ~PlugMonitor();
    PlugMonitor(const PlugMonitor&) = delete;
    PlugMonitor& operator=(const PlugMonitor&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
    std::unique_ptr<PlugPolling> polling_;
};

} // namespace dds
