#include "device/generator_holder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "device/generator_commands.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/transfer_link_sink.h"

namespace dds {

GeneratorHolder::GeneratorHolder(std::shared_ptr<HidBackend> backend)
    : timer_(&clock_.timer()),
      controller_(std::make_unique<TJvHidDeviceController>(std::move(backend)))
{
}

GeneratorHolder::~GeneratorHolder()
{
    link_.ReleaseGenerator();
}

void GeneratorHolder::FollowPlugging(std::optional<std::string> devicePath)
{
    controller_->OnArrival = [this, devicePath](TJvHidDevice* device) {
        if (!devicePath)
            Claim(device);
        else if (device->PnPInfo().DevicePath() == *devicePath)
            ClaimExactly(device);
    };
    controller_->OnRemoval = [this](TJvHidDevice* device) { NoteRemoval(device); };
}

bool GeneratorHolder::WaitForGenerator(std::chrono::milliseconds limit)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!Holds() && elapsed.elapsed() < limit.count())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return Holds();
}

bool GeneratorHolder::IsGenerator(const TJvHidDevice& device)
{
    return device.VendorID() == kGeneratorVendorId && device.ProductID() == kGeneratorProductId;
}

ClaimResult GeneratorHolder::Claim(TJvHidDevice* device, TJvHidDataEvent dataHandler)
{
    return Take(device, std::move(dataHandler), false);
}

ClaimResult GeneratorHolder::ClaimExactly(TJvHidDevice* device, TJvHidDataEvent dataHandler)
{
    return Take(device, std::move(dataHandler), true);
}

ClaimResult GeneratorHolder::Take(TJvHidDevice* device, TJvHidDataEvent dataHandler, bool exactly)
{
    if (!IsGenerator(*device))
        return ClaimResult::NotGenerator;
    if (Holds())
        return ClaimResult::AlreadyHolding;
    if (!device->ReadWriteAccess()) {
        inaccessiblePath_ = device->PnPInfo().DevicePath();
        return ClaimResult::Inaccessible;
    }
    TJvHidDevice* generator = exactly ? device : nullptr;
    const bool claimed = exactly ? controller_->ClaimDevice(device)
                                 : controller_->ClaimByIds(generator, kGeneratorVendorId, kGeneratorProductId);
    if (!claimed)
        return ClaimResult::NoneLeft;
    if (!dataHandler)
        dataHandler = [this](TJvHidDevice*, uint8_t, const uint8_t* data, uint16_t size) { Acknowledge(data, size); };
    link_.SetGenerator(generator);
    vanished_ = false;
    generator->SetDataHandler(std::move(dataHandler));
    return ClaimResult::Claimed;
}

bool GeneratorHolder::NoteRemoval(const TJvHidDevice* device)
{
    if (!device || device != link_.Generator())
        return false;
    vanished_ = true;
    return true;
}

void GeneratorHolder::Acknowledge(const uint8_t* data, uint16_t size)
{
    clock_.onInputReport(data, size);
}

void GeneratorHolder::CloseAndRelease()
{
    if (!Holds())
        return;
    link_.Send(gcHostClosing);
    link_.ReleaseGenerator();
}

TransferSummary GeneratorHolder::Transfer(const TransferRequest& request, TransferProgress& progress,
                                          const TransferOptions& options)
{
    // Releasing or unplugging the generator inside a wait ends the transfer: nothing may follow.
    const TJvHidDevice* const generator = link_.Generator();
    const auto stopRequested = [this, generator, &options] {
        return vanished_ || link_.Generator() != generator || (options.stopRequested && options.stopRequested());
    };
    GeneratorLinkSink sink(link_);
    AcknowledgementWait wait(*timer_, clock_.counter(), options.acknowledgementWait);
    TransferEngine engine(sink, wait, stopRequested);
    TransferSummary summary = engine.run(request, progress);
    summary.generatorVanished = vanished_;
    return summary;
}

} // namespace dds
