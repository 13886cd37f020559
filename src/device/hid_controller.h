#pragma once
#include "device/hid_backend.h"
#include "device/hid_device.h"
#include "device/hid_event.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Finds every HID interface, follows plugging and unplugging, and owns the device objects nobody has
// claimed. All of it runs on the UI thread.
class TJvHidDeviceController : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnyProduct = -1;

    explicit TJvHidDeviceController(std::shared_ptr<dds::HidBackend> backend, QObject* parent = nullptr);
    ~TJvHidDeviceController() override;

    TJvHidPlugEvent OnArrival;
    TJvHidPlugEvent OnRemoval;
    TJvHidNotifyEvent OnDeviceChange;
    TJvHidEnumerateEvent OnEnumerate;

    const TJvHidDataEvent& OnDeviceData() const { return onDeviceData_; }
    const TJvHidPlugEvent& OnDeviceUnplug() const { return onDeviceUnplug_; }
    const TJvHidDataErrorEvent& OnDeviceDataError() const { return onDeviceDataError_; }
    // New devices start with these; changing one updates every device that still has the old one.
    void SetOnDeviceData(TJvHidDataEvent handler);
    void SetOnDeviceUnplug(TJvHidPlugEvent handler);
    void SetOnDeviceDataError(TJvHidDataErrorEvent handler);

    uint32_t DevThreadSleepTime() const { return devThreadSleepTime_; }
    // Also moves every device whose ReadSleepTime still equals the old value.
    void SetDevThreadSleepTime(uint32_t milliseconds);

    // Claims the first unclaimed device with these ids (product -1: any product of the vendor).
    bool ClaimByIds(TJvHidDevice*& device, int vendorId, int productId);
    // Claims `device` itself, when this controller lists it and nobody has claimed it.
    bool ClaimDevice(TJvHidDevice* device);
    // Calls OnEnumerate for each listed device until it returns false; returns the number visited.
    int Enumerate();

    const std::vector<TJvHidDevice*>& Devices() const { return devices_; }
    int NumUnclaimed() const { return numUnclaimed_; }
    int NumClaimed() const { return numClaimed_; }
    int NumUnplugged() const { return numUnplugged_; }
    bool InDeviceChange() const { return inDeviceChange_; }

    // A device-change notice; -1 marks the first one, which always counts as a change.
    void DeviceChange(intptr_t parameter = 0);
    // While held (holds nest), notices are kept instead of handled, whichever event loop delivers
    // them; the last release hands the kept one to the event loop. An owner holds them while it is
    // being built, so nothing arrives before it is ready, not even from a message box shown meanwhile.
    void HoldNotices();
    void ReleaseNotices();

protected:
    bool event(QEvent* event) override;

private:
    friend class TJvHidDevice;

    using FreshList = std::vector<std::unique_ptr<TJvHidDevice>>;
    void HandleChange();
    FreshList EnumerateInterfaces();
    bool RemoveVanished(const FreshList& fresh);
    void DropDuplicates(FreshList& fresh);
    bool AnnounceArrivals(FreshList& fresh);
    void Announce(const TJvHidPlugEvent& event, TJvHidDevice* device);
    void Recount();
    bool Lists(const TJvHidDevice* device) const;
    void Replace(TJvHidDevice* released, TJvHidDevice* fresh);
    void Remove(TJvHidDevice* device);
    std::unique_ptr<TJvHidDevice> CreateDevice(std::unique_ptr<TJvHidPnPInfo> info);

    std::shared_ptr<dds::HidBackend> backend_;
    std::vector<TJvHidDevice*> devices_;
    TJvHidDataEvent onDeviceData_;
    TJvHidPlugEvent onDeviceUnplug_;
    TJvHidDataErrorEvent onDeviceDataError_;
    uint32_t devThreadSleepTime_ = TJvHidDevice::kDefaultReadSleepTime;
    int numUnclaimed_ = 0;
    int numClaimed_ = 0;
    int numUnplugged_ = 0;
    bool inDeviceChange_ = false;
    intptr_t changeParameter_ = 0;
    int holds_ = 0;
    std::optional<intptr_t> heldNotice_;
};

namespace dds {

// Holds a controller's device notices for the length of a scope (see HoldNotices).
class DeviceNoticeHold {
public:
    explicit DeviceNoticeHold(TJvHidDeviceController& controller) : controller_(controller) { controller_.HoldNotices(); }
    ~DeviceNoticeHold() { controller_.ReleaseNotices(); }
    DeviceNoticeHold(const DeviceNoticeHold&) = delete;
    DeviceNoticeHold& operator=(const DeviceNoticeHold&) = delete;

private:
    TJvHidDeviceController& controller_;
};

} // namespace dds
