#pragma once
#include <chrono>
#include <memory>
#include <string>

#include "device/generator_link.h"
#include "device/hid_backend.h"
#include "device/hid_controller.h"
#include "device/transfer_acknowledgement.h"

namespace dds {

// The generator as a program without the main window holds it: claimed on arrival, its
// acknowledgements counted, and a flag raised when it leaves so that nothing more is written.
// Create and use it on the UI thread, with an application object.
class TransferSession {
public:
    explicit TransferSession(std::shared_ptr<HidBackend> backend);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Lets events run until the generator is claimed or `limit` has passed.
    bool waitForGenerator(std::chrono::milliseconds limit);

    GeneratorLink& link() { return link_; }
    AcknowledgementClock& clock() { return clock_; }
    bool removed() const { return removed_; }
    // The path of a generator that arrived but cannot be opened for reading and writing, if any.
    const std::string& inaccessibleGenerator() const { return inaccessiblePath_; }

private:
    void arrived(TJvHidDevice* device);

    AcknowledgementClock clock_;
    GeneratorLink link_;
    std::unique_ptr<TJvHidDeviceController> controller_;
    bool removed_ = false;
    std::string inaccessiblePath_;
};

} // namespace dds
