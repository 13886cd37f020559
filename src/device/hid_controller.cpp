#include "device/hid_controller.h"

#include "device/flag_scope.h"
#include "device/hid_errors.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace {

// The notice the controller posts itself at creation, so the first search runs in the event loop.
class DeviceChangeNotice : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    explicit DeviceChangeNotice(intptr_t parameter) : QEvent(Kind()), parameter(parameter) {}
    const intptr_t parameter;
};

// Sets a device's flag for the length of a scope, and clears it only if the device still exists.
class DeviceFlagScope {
public:
    DeviceFlagScope(bool& flag, std::weak_ptr<bool> life) : flag_(flag), life_(std::move(life)) { flag_ = true; }
    ~DeviceFlagScope()
    {
        if (!life_.expired())
            flag_ = false;
    }
    DeviceFlagScope(const DeviceFlagScope&) = delete;
    DeviceFlagScope& operator=(const DeviceFlagScope&) = delete;

private:
    bool& flag_;
    std::weak_ptr<bool> life_;
};

} // namespace

TJvHidDeviceController::TJvHidDeviceController(std::shared_ptr<dds::HidBackend> backend, QObject* parent)
    : QObject(parent), backend_(std::move(backend))
{
    // Watching starts before the first enumeration, so no plug in between is missed.
    backend_->watchChanges([this] { DeviceChange(); });
    QCoreApplication::postEvent(this, new DeviceChangeNotice(-1));
}

TJvHidDeviceController::~TJvHidDeviceController()
{
    OnDeviceChange = {};
    onDeviceUnplug_ = {};
    OnEnumerate = {};
    backend_->watchChanges({});
    for (TJvHidDevice* device : devices_) {
        device->controller_ = nullptr;
        if (device->Claimed())
            device->Unplug(); // its holder releases it
        else
            delete device;
    }
    devices_.clear();
}

bool TJvHidDeviceController::event(QEvent* event)
{
    if (event->type() == DeviceChangeNotice::Kind()) {
        DeviceChange(static_cast<DeviceChangeNotice*>(event)->parameter);
        return true;
    }
    return QObject::event(event);
}

void TJvHidDeviceController::DeviceChange(intptr_t parameter)
{
    if (holds_ > 0) {
        // The first notice's mark survives the notices kept after it.
        heldNotice_ = heldNotice_ == -1 ? -1 : parameter;
        return;
    }
    if (inDeviceChange_)
        return;
    changeParameter_ = parameter;
    const dds::FlagScope guard(inDeviceChange_);
    HandleChange();
}

void TJvHidDeviceController::HoldNotices()
{
    ++holds_;
}

void TJvHidDeviceController::ReleaseNotices()
{
    if (holds_ == 0 || --holds_ > 0 || !heldNotice_)
        return;
    QCoreApplication::postEvent(this, new DeviceChangeNotice(*heldNotice_));
    heldNotice_.reset();
}

void TJvHidDeviceController::HandleChange()
{
    bool changed = changeParameter_ == -1;
    FreshList fresh = EnumerateInterfaces();
    changed = RemoveVanished(fresh) || changed;
    DropDuplicates(fresh);
    changed = AnnounceArrivals(fresh) || changed;
    Recount();
    if (changed && OnDeviceChange)
        OnDeviceChange();
}

TJvHidDeviceController::FreshList TJvHidDeviceController::EnumerateInterfaces()
{
    FreshList fresh;
    for (dds::HidInterfaceInfo& info : backend_->enumerate()) {
        if (auto device = CreateDevice(std::make_unique<TJvHidPnPInfo>(std::move(info))))
            fresh.push_back(std::move(device));
    }
    return fresh;
}

std::unique_ptr<TJvHidDevice> TJvHidDeviceController::CreateDevice(std::unique_ptr<TJvHidPnPInfo> info)
{
    try {
        return std::unique_ptr<TJvHidDevice>(new TJvHidDevice(std::move(info), this, backend_));
    } catch (const EControllerError&) {
        return nullptr; // an interface that cannot be opened is skipped
    }
}

bool TJvHidDeviceController::RemoveVanished(const FreshList& fresh)
{
    bool changed = false;
    // A snapshot, because the handlers may release devices and so change the list.
    const std::vector<TJvHidDevice*> listed(devices_.rbegin(), devices_.rend());
    for (TJvHidDevice* device : listed) {
        // A claimed device already unplugged waits for its holder; it has been announced once.
        if (!Lists(device) || !device->PluggedIn())
            continue;
        // An interface nobody could open that now opens (a permission rule installed, the device
        // plugged in again) goes and comes back, so that its holder hears of it.
        const bool present = std::any_of(fresh.begin(), fresh.end(), [device](const auto& candidate) {
            return candidate->PnPInfo().DevInst() == device->PnPInfo().DevInst() &&
                   (device->ReadWriteAccess() || device->Claimed() || !candidate->ReadWriteAccess());
        });
        if (present)
            continue;
        changed = true;
        const std::weak_ptr<bool> life = device->life_;
        device->Unplug();
        if (!life.expired() && Lists(device))
            Announce(OnRemoval, device);
        if (!life.expired() && Lists(device) && !device->Claimed()) {
            std::erase(devices_, device);
            delete device;
        }
    }
    return changed;
}

void TJvHidDeviceController::DropDuplicates(FreshList& fresh)
{
    std::erase_if(fresh, [this](auto& candidate) {
        const bool duplicate = std::any_of(devices_.begin(), devices_.end(), [&candidate](const TJvHidDevice* listed) {
            return listed->PluggedIn() && listed->PnPInfo().DevInst() == candidate->PnPInfo().DevInst();
        });
        if (duplicate)
            candidate->controller_ = nullptr;
        return duplicate;
    });
}

bool TJvHidDeviceController::AnnounceArrivals(FreshList& fresh)
{
    for (auto& candidate : fresh) {
        TJvHidDevice* device = candidate.release();
        devices_.push_back(device);
        Announce(OnArrival, device);
    }
    return !fresh.empty();
}

void TJvHidDeviceController::Announce(const TJvHidPlugEvent& event, TJvHidDevice* device)
{
    if (!event)
        return;
    const DeviceFlagScope guard(device->inEnumeration_, device->life_);
    event(device);
}

void TJvHidDeviceController::Recount()
{
    numUnclaimed_ = numClaimed_ = numUnplugged_ = 0;
    for (const TJvHidDevice* device : devices_) {
        if (!device->PluggedIn())
            ++numUnplugged_;
        else if (device->Claimed())
            ++numClaimed_;
        else
            ++numUnclaimed_;
    }
}

bool TJvHidDeviceController::ClaimByIds(TJvHidDevice*& device, int vendorId, int productId)
{
    device = nullptr;
    for (TJvHidDevice* candidate : devices_) {
        const bool matches = candidate->VendorID() == vendorId &&
                             (productId == kAnyProduct || candidate->ProductID() == productId);
        if (matches && ClaimDevice(candidate)) {
            device = candidate;
            return true;
        }
    }
    return false;
}

bool TJvHidDeviceController::ClaimDevice(TJvHidDevice* device)
{
    if (!device || !Lists(device) || device->Claimed())
        return false;
    device->claimed_ = true;
    Recount();
    device->StartThreadIfReady();
    return true;
}

int TJvHidDeviceController::Enumerate()
{
    int visited = 0;
    for (TJvHidDevice* device : devices_) {
        ++visited;
        if (!OnEnumerate || !OnEnumerate(device, visited - 1))
            break;
    }
    return visited;
}

void TJvHidDeviceController::SetOnDeviceData(TJvHidDataEvent handler)
{
    for (TJvHidDevice* device : devices_) {
        if (device->OnData() == onDeviceData_)
            device->SetDataHandler(handler);
    }
    onDeviceData_ = std::move(handler);
}

void TJvHidDeviceController::SetOnDeviceUnplug(TJvHidPlugEvent handler)
{
    for (TJvHidDevice* device : devices_) {
        if (device->OnUnplug() == onDeviceUnplug_)
            device->SetUnplugHandler(handler);
    }
    onDeviceUnplug_ = std::move(handler);
}

void TJvHidDeviceController::SetOnDeviceDataError(TJvHidDataErrorEvent handler)
{
    for (TJvHidDevice* device : devices_) {
        if (device->OnDataError() == onDeviceDataError_)
            device->SetDataErrorHandler(handler);
    }
    onDeviceDataError_ = std::move(handler);
}

void TJvHidDeviceController::SetDevThreadSleepTime(uint32_t milliseconds)
{
    for (TJvHidDevice* device : devices_) {
        if (device->ReadSleepTime() == devThreadSleepTime_)
            device->SetReadSleepTime(milliseconds);
    }
    devThreadSleepTime_ = milliseconds;
}

bool TJvHidDeviceController::Lists(const TJvHidDevice* device) const
{
    return std::find(devices_.begin(), devices_.end(), device) != devices_.end();
}

void TJvHidDeviceController::Replace(TJvHidDevice* released, TJvHidDevice* fresh)
{
    *std::find(devices_.begin(), devices_.end(), released) = fresh;
    Recount();
}

void TJvHidDeviceController::Remove(TJvHidDevice* device)
{
    std::erase(devices_, device);
    Recount();
}
