#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dds {

// One HID interface as the operating system lists it.
struct HidInterfaceInfo {
    std::string path;       // what the backend opens
    std::string instanceId; // stays the same for one plugged interface; tells duplicates apart
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;
    uint16_t inputReportLength = 0;  // report id byte included
    uint16_t outputReportLength = 0; // report id byte included
    std::string serialNumber;        // the USB serial number string, empty when it has none
};

enum class HidAccess {
    ReadWrite,
    None, // enough to know the interface exists; reads and writes fail
};

// An open interface. Each handle is used from one thread only.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    // Writes one report whose first byte is the report id; returns the bytes written or -1.
    virtual int write(const uint8_t* data, size_t length) = 0;
    // Reads one report into `buffer`, report id first; returns its length, 0 on time-out, -1 on error.
    virtual int read(uint8_t* buffer, size_t length, int timeoutMs) = 0;
    // From any thread: a read waiting on the handle, and every later one, returns 0 at once, so
    // that its thread can end without sitting out the time-out.
    virtual void interruptRead() = 0;
    // The system's code for the last failure of this handle.
    virtual uint32_t lastError() const = 0;
};

// The system's HID services, below the device layer. Everything but `read` runs on the UI thread.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;
    // nullptr when the interface cannot be opened with that access.
    virtual std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) = 0;
    // Calls `onChange` on the UI thread whenever interfaces may have appeared or vanished.
    virtual void watchChanges(std::function<void()> onChange) = 0;
};

} // namespace dds
