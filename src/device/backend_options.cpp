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

std::shared_ptr<HidBackend> VirtualBackend(std::chrono::milliseconds plugDelay)
{
    auto bus = std::make_shared<VirtualHidBus>();
    if (plugDelay.count() > 0)
        bus->Plug(std::make_shared<VirtualGenerator>(), plugDelay);
    else
        bus->Attach(std::make_shared<VirtualGenerator>());
    return bus;
}

} // namespace

std::shared_ptr<HidBackend> MakeBackend(const BackendChoice& choice, std::shared_ptr<HidBackend> system)
{
    std::shared_ptr<HidBackend> backend;
    if (choice.virtualGenerator)
        backend = VirtualBackend(choice.virtualPlugDelay);
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
