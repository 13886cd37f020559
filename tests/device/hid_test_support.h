#pragma once
#include "device/hid_controller.h"
#include "device/virtual_hid_bus.h"
#include "event_waits.h"

#include <memory>
#include <string>
#include <vector>

namespace dds::test {

inline std::shared_ptr<VirtualHidInterface> MakeInterface(
    const std::string& path, uint16_t vendor, uint16_t product,
    VirtualHidInterface::Openness openness = VirtualHidInterface::Openness::ReadWrite)
{
    HidInterfaceInfo info;
    info.path = path;
    info.instanceId = path;
    info.vendorId = vendor;
    info.productId = product;
    info.inputReportLength = 65;
    info.outputReportLength = 65;
    return std::make_shared<VirtualHidInterface>(info, openness);
}

// Runs the queued plug notices and what they queue in turn.
inline void Pump()
{
    RunQueuedEvents();
}

// Records the controller's events in order as "arrival:path", "removal:path", "change".
struct EventLog {
    explicit EventLog(TJvHidDeviceController& controller)
    {
        controller.OnArrival = [this](TJvHidDevice* device) {
            entries.push_back("arrival:" + device->PnPInfo().DevicePath());
            inEnumeration.push_back(device->InEnumeration());
        };
        controller.OnRemoval = [this](TJvHidDevice* device) {
            entries.push_back("removal:" + device->PnPInfo().DevicePath());
            inEnumeration.push_back(device->InEnumeration());
        };
        controller.OnDeviceChange = [this] { entries.push_back("change"); };
    }
    std::vector<std::string> entries;
    std::vector<bool> inEnumeration;
};

} // namespace dds::test
