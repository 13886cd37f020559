#pragma once
#include "device/hid_backend.h"

#include <memory>

namespace dds {

class PlugMonitor;

// The system's HID interfaces through hidapi. An interface's instance identity is its path.
class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;
    void watchChanges(std::function<void()> onChange) override;

private:
    std::unique_ptr<PlugMonitor> monitor_;
};

} // namespace dds
