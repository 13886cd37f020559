#pragma once
#include <functional>
#include <memory>

namespace dds {

// Calls `onChange` on the UI thread when a HID interface is plugged in or out (on Linux, udev
// events of the hidraw subsystem). Watching starts in the constructor.
class PlugMonitor {
public:
    explicit PlugMonitor(std::function<void()> onChange);
    ~PlugMonitor();
    PlugMonitor(const PlugMonitor&) = delete;
    PlugMonitor& operator=(const PlugMonitor&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace dds
