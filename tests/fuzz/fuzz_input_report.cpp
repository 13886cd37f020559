// Input reports of any length and content reaching a claimed generator through the device layer:
// the read thread, its hand-over to the UI thread and the acknowledgement check. The first byte
// sets the interface's declared input length; the rest is a script of reads, each a length byte
// (0 reads as a time-out) followed by that many bytes. When the script ends the device reads as
// gone. Every report must arrive once, whole, in order, with nothing read past its end.
#include "device/generator_commands.h"
#include "device/hid_controller.h"
#include "device/transfer_acknowledgement.h"
#include "fuzz_check.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using Report = std::vector<uint8_t>;

// The reads one interface will answer, shared by its handles.
struct ReadScript {
    std::mutex mutex;
    std::deque<Report> reads;
};

class ScriptedHandle : public dds::HidHandle {
public:
    explicit ScriptedHandle(std::shared_ptr<ReadScript> script) : script_(std::move(script)) {}
    int write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
    int read(uint8_t* buffer, size_t length, int) override
    {
        const std::lock_guard lock(script_->mutex);
        if (script_->reads.empty())
            return -1;
        const Report report = std::move(script_->reads.front());
        script_->reads.pop_front();
        // Like the system, a read never fills more than the buffer it is given.
        const size_t count = std::min(length, report.size());
        std::copy_n(report.begin(), count, buffer);
        return static_cast<int>(count);
    }
    void interruptRead() override {}
    uint32_t lastError() const override { return 1167; }

private:
    std::shared_ptr<ReadScript> script_;
};

class ScriptedBackend : public dds::HidBackend {
public:
    ScriptedBackend(uint16_t inputLength, std::shared_ptr<ReadScript> script) : script_(std::move(script))
    {
        info_.path = info_.instanceId = "fuzz-generator";
        info_.vendorId = dds::kGeneratorVendorId;
        info_.productId = dds::kGeneratorProductId;
        info_.inputReportLength = inputLength;
        info_.outputReportLength = 65;
    }
    std::vector<dds::HidInterfaceInfo> enumerate() override { return {info_}; }
    std::unique_ptr<dds::HidHandle> open(const std::string&, dds::HidAccess) override
    {
        return std::make_unique<ScriptedHandle>(script_);
    }
    void watchChanges(std::function<void()>) override {}

private:
    dds::HidInterfaceInfo info_;
    std::shared_ptr<ReadScript> script_;
};

struct Script {
    uint16_t inputLength = 0;
    std::deque<Report> reads;
    std::vector<Report> expected; // what the handler must see, report id first
};

Script ScriptFrom(const uint8_t* data, size_t size)
{
    Script script;
    if (size == 0)
        return script;
    script.inputLength = data[0];
    for (size_t at = 1; at < size;) {
        const size_t length = std::min<size_t>(data[at], size - at - 1);
        Report report(data + at + 1, data + at + 1 + length);
        at += 1 + length;
        const size_t delivered = std::min<size_t>(report.size(), script.inputLength);
        if (delivered > 0)
            script.expected.emplace_back(report.begin(), report.begin() + static_cast<std::ptrdiff_t>(delivered));
        script.reads.push_back(std::move(report));
    }
    return script;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Script script = ScriptFrom(data, size);
    auto reads = std::make_shared<ReadScript>();
    reads->reads = script.reads;
    TJvHidDeviceController controller(std::make_shared<ScriptedBackend>(script.inputLength, reads));
    controller.DeviceChange(-1);
    TJvHidDevice* generator = nullptr;
    FUZZ_CHECK(controller.ClaimByIds(generator, dds::kGeneratorVendorId, dds::kGeneratorProductId));
    generator->SetReadSleepTime(TJvHidDevice::kMinReadSleepTime);

    dds::AcknowledgementCounter counter;
    std::vector<Report> received;
    bool gone = false;
    generator->SetDataErrorHandler([&](TJvHidDevice*, uint32_t) { gone = true; });
    generator->SetDataHandler([&](TJvHidDevice*, uint8_t id, const uint8_t* bytes, uint16_t count) {
        Report report{id};
        report.insert(report.end(), bytes, bytes + count);
        received.push_back(std::move(report));
        counter.Acknowledge(bytes, count);
    });
    while (!gone)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    TJvHidDevice::Release(generator);

    FUZZ_CHECK(received == script.expected);
    const bool acknowledged = std::any_of(script.expected.begin(), script.expected.end(),
                                          [](const Report& r) { return r.size() >= 2 && r[1] == 1; });
    FUZZ_CHECK((counter.Value() == 1) == acknowledged);
    return 0;
}
