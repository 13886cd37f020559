#pragma once
#include "device/hid_backend.h"

#include <string>

// The plug-and-play description of one interface. The rest of the program uses only the instance
// identity and the path.
class TJvHidPnPInfo {
public:
    explicit TJvHidPnPInfo(dds::HidInterfaceInfo info) : info_(std::move(info)) {}

    const std::string& DevInst() const { return info_.instanceId; }
    const std::string& DevicePath() const { return info_.path; }
    const dds::HidInterfaceInfo& Interface() const { return info_; }

private:
    dds::HidInterfaceInfo info_;
};
