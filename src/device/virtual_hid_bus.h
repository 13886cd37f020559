#pragma once
#include "device/hid_backend.h"
#include "device/virtual_hid_interface.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <vector>

namespace dds {

// An in-process HID backend: interfaces are plugged and unplugged by calls, and each change
// reaches the controller through the event loop like a real plug notice. Create it on the UI thread.
class VirtualHidBus : public HidBackend {
public:
    VirtualHidBus();
    ~VirtualHidBus() override;

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;
    void watchChanges(std::function<void()> onChange) override;

    // Present from now on, without a notice: as if plugged in before the program started.
    void Attach(std::shared_ptr<VirtualHidInterface> device);
    // Plugged in (or out) now, or after `delay`, followed by a change notice.
    void Plug(std::shared_ptr<VirtualHidInterface> device,
              std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    void Unplug(const VirtualHidInterface& device);

private:
    void NotifyLater();
    std::shared_ptr<VirtualHidInterface> Find(const std::string& path) const;

    std::vector<std::shared_ptr<VirtualHidInterface>> devices_;
    std::function<void()> onChange_;
    QObject context_; // receiver of the queued notices, on the UI thread
};

} // namespace dds
