#include "device/transfer_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "device/generator_commands.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"

namespace dds {

TransferSession::TransferSession(std::shared_ptr<HidBackend> backend)
    : controller_(std::make_unique<TJvHidDeviceController>(std::move(backend)))
{
    controller_->OnArrival = [this](TJvHidDevice* device) { arrived(device); };
    controller_->OnRemoval = [this](TJvHidDevice* device) {
        removed_ = removed_ || (device != nullptr && device == link_.Generator());
    };
}

TransferSession::~TransferSession()
{
    if (link_.Generator())
        link_.ReleaseGenerator();
}

bool TransferSession::waitForGenerator(std::chrono::milliseconds limit)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!link_.Generator() && elapsed.elapsed() < limit.count())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return link_.Generator() != nullptr;
}

void TransferSession::arrived(TJvHidDevice* device)
{
    if (link_.Generator() || device->VendorID() != kGeneratorVendorId || device->ProductID() != kGeneratorProductId)
        return;
    if (!device->ReadWriteAccess()) {
        inaccessiblePath_ = device->PnPInfo().DevicePath();
        return;
    }
    TJvHidDevice* generator = nullptr;
    if (!controller_->ClaimByIds(generator, kGeneratorVendorId, kGeneratorProductId))
        return;
    generator->SetDataHandler([this](TJvHidDevice*, uint8_t, const uint8_t* data, uint16_t size) {
        clock_.onInputReport(data, size);
    });
    link_.SetGenerator(generator);
}

} // namespace dds
