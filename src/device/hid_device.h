#pragma once
#include "device/hid_backend.h"
#include "device/hid_caps.h"
#include "device/hid_event.h"
#include "device/hid_pnp_info.h"

#include <atomic>
#include <cstdint>
#include <memory>

class TJvHidDeviceController;
class TJvHidDeviceReadThread;

// One HID interface. Created by the controller; a holder claims it with ClaimByIds and gives it
// back with Release. Every member runs on the UI thread.
class TJvHidDevice {
public:
    static constexpr uint32_t kDefaultReadSleepTime = 100;
    static constexpr uint32_t kMinReadSleepTime = 10;
    static constexpr uint32_t kMaxReadSleepTime = 10000;

    TJvHidDevice(const TJvHidDevice&) = delete;
    TJvHidDevice& operator=(const TJvHidDevice&) = delete;
    ~TJvHidDevice();

    uint16_t VendorID() const { return pnpInfo_->Interface().vendorId; }
    uint16_t ProductID() const { return pnpInfo_->Interface().productId; }
    uint16_t VersionNumber() const { return pnpInfo_->Interface().version; }
    const TJvHidPnPInfo& PnPInfo() const { return *pnpInfo_; }
    TJvHidDeviceController* Controller() const { return controller_; }

    bool PluggedIn() const { return pluggedIn_; }
    bool Claimed() const { return claimed_; }
    bool InEnumeration() const { return inEnumeration_; }
    bool ReadWriteAccess() const { return readWriteAccess_; }
    bool Reading() const { return readThread_ != nullptr; }

    uint32_t ReadSleepTime() const { return readSleepTime_; }
    // Values outside 10..10000 ms are ignored.
    void SetReadSleepTime(uint32_t milliseconds);

    THIDPCaps Capabilities() const;

    // Opens the interface when needed (only while plugged in and claimed or being announced), then
    // writes `length` bytes, report id first. False when it cannot open or the write fails.
    bool WriteReport(const uint8_t* buffer, uint32_t length, uint32_t& written);

    const TJvHidDataEvent& OnData() const { return onData_; }
    const TJvHidDataErrorEvent& OnDataError() const { return onDataError_; }
    const TJvHidPlugEvent& OnUnplug() const { return onUnplug_; }
    // An empty handler stops the read thread; a handler starts it when the device can be read.
    void SetDataHandler(TJvHidDataEvent handler);
    void SetDataErrorHandler(TJvHidDataErrorEvent handler) { onDataError_ = std::move(handler); }
    void SetUnplugHandler(TJvHidPlugEvent handler) { onUnplug_ = std::move(handler); }

    // Destroys the device and sets `device` to null. A plugged-in interface still listed by its
    // controller comes back there as a fresh unclaimed object.
    static void Release(TJvHidDevice*& device);

private:
    friend class TJvHidDeviceController;

    // Opens the interface once to learn its access; EControllerError when it cannot be opened.
    TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller,
                 std::shared_ptr<dds::HidBackend> backend);

    bool Accessible() const { return pluggedIn_ && (claimed_ || inEnumeration_); }
    bool OpenMainHandle();
    void StartThreadIfReady();
    void StopThread();
    void Unplug();
    void CloseHandles();
    std::unique_ptr<TJvHidPnPInfo> TakePnPInfo() { return std::move(pnpInfo_); }

    std::shared_ptr<dds::HidBackend> backend_;
    std::unique_ptr<TJvHidPnPInfo> pnpInfo_;
    TJvHidDeviceController* controller_;
    std::unique_ptr<dds::HidHandle> mainHandle_;
    std::unique_ptr<TJvHidDeviceReadThread> readThread_;
    bool pluggedIn_ = true;
    bool claimed_ = false;
    bool inEnumeration_ = false;
    bool readWriteAccess_ = false;
    // Expires with the object: handlers may release (and so destroy) a device while the controller
    // is announcing it, and a new object may then take the same address.
    std::shared_ptr<bool> life_ = std::make_shared<bool>(true);
    std::atomic<uint32_t> readSleepTime_ = kDefaultReadSleepTime;
    TJvHidDataEvent onData_;
    TJvHidDataErrorEvent onDataError_;
    TJvHidPlugEvent onUnplug_;
};
