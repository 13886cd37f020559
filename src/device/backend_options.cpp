#include "device/backend_options.h"

#include "device/hidapi_backend.h"
#include "device/report_log.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

#include <algorithm>
#include <stdexcept>

namespace dds {

namespace {

constexpr std::chrono::milliseconds kWindowVirtualPlugDelay{300};
// The flood: far denser than the acknowledgements.
constexpr std::chrono::milliseconds kFloodInterval{1};

void SetFaults(const std::shared_ptr<VirtualGenerator>& generator, const VirtualFaults& faults,
               const std::shared_ptr<VirtualHidBus>& bus)
{
    generator->SetAcknowledging(!faults.noAcknowledgement);
    if (faults.ackLatency)
        generator->SetAckLatency(*faults.ackLatency);
    if (faults.flood)
        generator->SetUnrelatedInput(kFloodInterval);
    if (faults.unplugAfterReports) {
        // Weak references: the bus holds the generator, and the generator this callback.
        std::weak_ptr<VirtualHidBus> weakBus = bus;
        std::weak_ptr<VirtualGenerator> weakGenerator = generator;
        generator->UnplugAfter(*faults.unplugAfterReports, [weakBus, weakGenerator] {
            const auto b = weakBus.lock();
            const auto g = weakGenerator.lock();
            if (b && g)
                b->Unplug(*g);
        });
    }
}

std::shared_ptr<HidBackend> VirtualBackend(const BackendChoice& choice)
{
    auto bus = std::make_shared<VirtualHidBus>();
    auto generator = std::make_shared<VirtualGenerator>();
    SetFaults(generator, choice.virtualFaults, bus);
    if (choice.virtualPlugDelay.count() > 0)
        bus->Plug(generator, choice.virtualPlugDelay);
    else
        bus->Attach(generator);
    return bus;
}

} // namespace

std::shared_ptr<HidBackend> MakeBackend(const BackendChoice& choice, std::shared_ptr<HidBackend> system)
{
    std::shared_ptr<HidBackend> backend;
    if (choice.virtualGenerator)
        backend = VirtualBackend(choice);
    else
        backend = system ? std::move(system) : std::make_shared<HidapiBackend>();
    if (choice.reportLog)
        backend = LoggingBackend(backend, std::make_shared<ReportLog>(*choice.reportLog));
    return backend;
}

BackendChoice BackendChoiceFromOptions(const std::vector<std::string>& arguments)
{
    BackendChoice choice;
    choice.virtualGenerator =
        std::find(arguments.begin(), arguments.end(), "--virtual-generator") != arguments.end();
    choice.virtualPlugDelay = kWindowVirtualPlugDelay;
    const auto log = std::find(arguments.begin(), arguments.end(), "--report-log");
    if (log != arguments.end()) {
        if (log + 1 == arguments.end())
            throw std::runtime_error("--report-log needs a file name");
        choice.reportLog = *(log + 1);
    }
    return choice;
}

} // namespace dds
