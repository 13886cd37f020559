#include "device/virtual_hid_bus.h"

#include <QTimer>

#include <algorithm>
#include <atomic>

namespace dds {

namespace {

constexpr uint32_t kNotConnected = 1167;
constexpr uint32_t kAccessDenied = 5;

class VirtualHandle : public HidHandle {
public:
    VirtualHandle(std::shared_ptr<VirtualHidInterface> device, bool readWrite)
        : device_(std::move(device)), readWrite_(readWrite)
    {
        device_->HandleOpened(+1);
    }
    ~VirtualHandle() override { device_->HandleOpened(-1); }

    int write(const uint8_t* data, size_t length) override
    {
        const int written = readWrite_ ? device_->Write(data, length) : -1;
        error_ = written < 0 ? (readWrite_ ? kNotConnected : kAccessDenied) : 0;
        return written;
    }

    int read(uint8_t* buffer, size_t length, int timeoutMs) override
    {
        const int count = readWrite_ ? device_->Read(buffer, length, timeoutMs, interrupted_) : -1;
        error_ = count < 0 ? (readWrite_ ? kNotConnected : kAccessDenied) : 0;
        return count;
    }

    void interruptRead() override
    {
        interrupted_ = true;
        device_->WakeReaders();
    }

    uint32_t lastError() const override { return error_; }

private:
    std::shared_ptr<VirtualHidInterface> device_;
    bool readWrite_;
    uint32_t error_ = 0;
    std::atomic<bool> interrupted_ = false;
};

} // namespace

VirtualHidBus::VirtualHidBus() = default;

VirtualHidBus::~VirtualHidBus()
{
    for (const auto& device : devices_)
        device->SetAttached(false);
}

std::vector<HidInterfaceInfo> VirtualHidBus::enumerate()
{
    std::vector<HidInterfaceInfo> found;
    for (const auto& device : devices_)
        found.push_back(device->Info());
    return found;
}

std::unique_ptr<HidHandle> VirtualHidBus::open(const std::string& path, HidAccess access)
{
    const auto device = Find(path);
    if (!device || device->OpensAs() == VirtualHidInterface::Openness::Never)
        return nullptr;
    const bool readWrite = access == HidAccess::ReadWrite;
    if (readWrite && device->OpensAs() != VirtualHidInterface::Openness::ReadWrite)
        return nullptr;
    return std::make_unique<VirtualHandle>(device, readWrite);
}

void VirtualHidBus::watchChanges(std::function<void()> onChange) { onChange_ = std::move(onChange); }

void VirtualHidBus::Attach(std::shared_ptr<VirtualHidInterface> device)
{
    device->SetAttached(true);
    devices_.push_back(std::move(device));
}

void VirtualHidBus::Plug(std::shared_ptr<VirtualHidInterface> device, std::chrono::milliseconds delay)
{
    QTimer::singleShot(delay, &context_, [this, device] {
        Attach(device);
        NotifyLater();
    });
}

void VirtualHidBus::Unplug(const VirtualHidInterface& device)
{
    const auto found = std::find_if(devices_.begin(), devices_.end(),
                                    [&device](const auto& listed) { return listed.get() == &device; });
    if (found == devices_.end())
        return;
    (*found)->SetAttached(false);
    devices_.erase(found);
    NotifyLater();
}

void VirtualHidBus::NotifyLater()
{
    QMetaObject::invokeMethod(
        &context_,
        [this] {
            if (onChange_)
                onChange_();
        },
        Qt::QueuedConnection);
}

std::shared_ptr<VirtualHidInterface> VirtualHidBus::Find(const std::string& path) const
{
    const auto found = std::find_if(devices_.begin(), devices_.end(),
                                    [&path](const auto& device) { return device->Info().path == path; });
    return found == devices_.end() ? nullptr : *found;
}

} // namespace dds
