#include "device/generator_holder.h"

#include "device/flag_scope.h"
#include "device/generator_commands.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"

namespace dds {

namespace {

// A transfer's reports go through the holder's own send step, as every other command's do.
class HolderSink : public TransferReportSink {
public:
    explicit HolderSink(GeneratorHolder& holder) : holder_(holder) {}
    bool sendReport(uint8_t code, std::span<const uint8_t> payload) override
    {
        return holder_.Send(code, payload) == Delivery::Written;
    }
    bool filterSelected(int filter) const override { return holder_.SelectedFilter() == filter; }

private:
    GeneratorHolder& holder_;
};

} // namespace

GeneratorHolder::GeneratorHolder(std::shared_ptr<HidBackend> backend)
    : controller_(std::make_unique<TJvHidDeviceController>(std::move(backend)))
{
    QObject::connect(&ownTimer_, &QTimer::timeout, [this] { TickAcknowledgement(); });
}

GeneratorHolder::~GeneratorHolder()
{
    link_.ReleaseGenerator();
}

void GeneratorHolder::FollowPlugging(GeneratorEvents events, std::optional<std::string> devicePath)
{
    events_ = std::move(events);
    controller_->OnArrival = [this, devicePath](TJvHidDevice* device) {
        const bool chosen = !devicePath || device->PnPInfo().DevicePath() == *devicePath;
        const ClaimResult result = chosen || !IsGenerator(*device) ? Claim(device) : ClaimResult::NotChosen;
        if (events_.arrival)
            events_.arrival(device, result);
    };
    controller_->OnRemoval = [this](TJvHidDevice* device) { NoteRemoval(device); };
}

bool GeneratorHolder::WaitForGenerator(std::chrono::milliseconds limit)
{
    return RunEventsUntil([this] { return Holds(); }, limit);
}

bool GeneratorHolder::IsGenerator(const TJvHidDevice& device)
{
    return device.VendorID() == kGeneratorVendorId && device.ProductID() == kGeneratorProductId;
}

ClaimResult GeneratorHolder::Claim(TJvHidDevice* device)
{
    if (!IsGenerator(*device))
        return ClaimResult::NotGenerator;
    if (Holds())
        return ClaimResult::AlreadyHolding;
    if (!device->ReadWriteAccess()) {
        inaccessiblePath_ = device->PnPInfo().DevicePath();
        return ClaimResult::Inaccessible;
    }
    // The interface that arrived, not the first of the controller's list with the same ids.
    if (!controller_->ClaimDevice(device))
        return ClaimResult::AlreadyClaimed;
    link_.SetGenerator(device);
    lost_ = false;
    TJvHidDataEvent handler = events_.data;
    if (!handler)
        handler = [this](TJvHidDevice*, uint8_t, const uint8_t* data, uint16_t size) { Acknowledge(data, size); };
    device->SetDataHandler(std::move(handler));
    return ClaimResult::Claimed;
}

void GeneratorHolder::NoteRemoval(const TJvHidDevice* device)
{
    if (device && device == link_.Generator())
        MarkLost();
}

void GeneratorHolder::MarkLost()
{
    if (lost_)
        return;
    lost_ = true;
    if (transferring_)
        lostUntold_ = true;
    else if (events_.lost)
        events_.lost();
}

Delivery GeneratorHolder::Send(uint8_t code, std::span<const uint8_t> payload)
{
    const Delivery delivery = link_.Send(code, payload);
    if (delivery == Delivery::Refused)
        MarkLost();
    return delivery;
}

void GeneratorHolder::SelectFilter(int filter)
{
    if (SelectedFilter() != filter)
        Send(FilterCommand(filter));
}

Delivery GeneratorHolder::CloseAndRelease()
{
    if (!Holds())
        return Delivery::NoGenerator;
    const Delivery delivery = link_.Send(gcHostClosing);
    lost_ = lost_ || delivery == Delivery::Refused;
    link_.ReleaseGenerator();
    return delivery;
}

TransferSummary GeneratorHolder::Transfer(const TransferRequest& request, TransferProgress& progress,
                                          const TransferOptions& options)
{
    // Releasing, unplugging or a refused report inside the transfer ends it: nothing may follow.
    const TJvHidDevice* const generator = link_.Generator();
    const auto stopRequested = [this, generator, &options] {
        return lost_ || link_.Generator() != generator || (options.stopRequested && options.stopRequested());
    };
    HolderSink sink(*this);
    AcknowledgementWait wait(*timer_, acknowledgements_, options.acknowledgementWait);
    TransferEngine engine(sink, wait, stopRequested);
    TransferSummary summary;
    {
        const FlagScope transferring(transferring_);
        summary = engine.run(request, progress);
    }
    summary.generatorLost = generator && lost_;
    // The front end hears of the loss once its transfer has unwound, so that what it does then
    // (the window's not-connected state) is what stays.
    if (std::exchange(lostUntold_, false) && events_.lost)
        QMetaObject::invokeMethod(controller_.get(), events_.lost, Qt::QueuedConnection);
    return summary;
}

} // namespace dds
