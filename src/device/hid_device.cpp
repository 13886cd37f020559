#include "device/hid_device.h"

#include "device/hid_controller.h"
#include "device/hid_errors.h"
#include "device/hid_read_thread.h"

TJvHidDevice::TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller,
                           std::shared_ptr<dds::HidBackend> backend)
    : backend_(std::move(backend)), pnpInfo_(std::move(pnpInfo)), controller_(controller)
{
    // Opened once to learn the access the interface grants; it is opened again on demand.
    auto handle = backend_->open(pnpInfo_->DevicePath(), dds::HidAccess::ReadWrite);
    readWriteAccess_ = handle != nullptr;
    if (!handle)
        handle = backend_->open(pnpInfo_->DevicePath(), dds::HidAccess::None);
    if (!handle)
        throw EControllerError("device cannot be opened");
    if (controller_) {
        onData_ = controller_->OnDeviceData();
        onDataError_ = controller_->OnDeviceDataError();
        onUnplug_ = controller_->OnDeviceUnplug();
    }
}

TJvHidDevice::~TJvHidDevice()
{
    StopThread();
    CloseHandles();
}

void TJvHidDevice::SetReadSleepTime(uint32_t milliseconds)
{
    if (milliseconds >= kMinReadSleepTime && milliseconds <= kMaxReadSleepTime)
        readSleepTime_ = milliseconds;
}

THIDPCaps TJvHidDevice::Capabilities() const
{
    THIDPCaps caps;
    caps.InputReportByteLength = pnpInfo_->Interface().inputReportLength;
    caps.OutputReportByteLength = pnpInfo_->Interface().outputReportLength;
    return caps;
}

bool TJvHidDevice::OpenMainHandle()
{
    if (mainHandle_)
        return true;
    if (!Accessible())
        return false;
    mainHandle_ = backend_->open(pnpInfo_->DevicePath(), dds::HidAccess::ReadWrite);
    readWriteAccess_ = mainHandle_ != nullptr;
    if (!mainHandle_)
        mainHandle_ = backend_->open(pnpInfo_->DevicePath(), dds::HidAccess::None);
    return mainHandle_ != nullptr;
}

bool TJvHidDevice::WriteReport(const uint8_t* buffer, uint32_t length, uint32_t& written)
{
    written = 0;
    if (!Accessible() || !OpenMainHandle())
        return false;
    const int result = mainHandle_->write(buffer, length);
    if (result < 0)
        return false;
    written = static_cast<uint32_t>(result);
    return true;
}

void TJvHidDevice::SetDataHandler(TJvHidDataEvent handler)
{
    if (!handler)
        StopThread();
    onData_ = std::move(handler);
    StartThreadIfReady();
}

void TJvHidDevice::StartThreadIfReady()
{
    if (!onData_ || !pluggedIn_ || !claimed_ || !readWriteAccess_ || readThread_)
        return;
    // The read handle is opened here, on the UI thread, and then used by the read thread alone.
    auto readHandle = backend_->open(pnpInfo_->DevicePath(), dds::HidAccess::ReadWrite);
    readThread_ = std::make_unique<TJvHidDeviceReadThread>(
        *this, std::move(readHandle), Capabilities().InputReportByteLength, readSleepTime_);
    readThread_->start();
}

void TJvHidDevice::StopThread()
{
    if (!readThread_)
        return;
    readThread_->Stop();
    readThread_.reset();
}

void TJvHidDevice::CloseHandles() { mainHandle_.reset(); }

void TJvHidDevice::Unplug()
{
    CloseHandles();
    if (readThread_)
        readThread_->DropReadHandle();
    pluggedIn_ = false;
    const TJvHidPlugEvent handler = std::move(onUnplug_);
    onUnplug_ = {};
    if (handler)
        handler(this);
}

void TJvHidDevice::Release(TJvHidDevice*& device)
{
    if (!device)
        return;
    const TJvHidDataEvent dataHandler = device->onData_;
    const TJvHidPlugEvent unplugHandler = device->onUnplug_;
    device->SetDataHandler({}); // may refuse, from the device's own input handler, before anything changed
    std::unique_ptr<TJvHidDevice> released(device);
    device = nullptr;
    released->onUnplug_ = {};
    released->CloseHandles();

    TJvHidDeviceController* controller = released->controller_;
    if (!controller || !controller->Lists(released.get()))
        return;
    if (!released->pluggedIn_) {
        controller->Remove(released.get());
        return;
    }
    std::unique_ptr<TJvHidDevice> fresh = controller->CreateDevice(released->TakePnPInfo());
    if (!fresh) {
        controller->Remove(released.get());
        return;
    }
    fresh->onData_ = dataHandler;
    fresh->onUnplug_ = unplugHandler;
    fresh->readSleepTime_ = released->readSleepTime_.load();
    controller->Replace(released.get(), fresh.release());
}
