#include "device/backend_options.h"

#include "device/hid_backend_selection.h"
#include "device/report_log.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace dds {

namespace {

constexpr std::chrono::milliseconds kVirtualPlugDelay{300};

std::shared_ptr<HidBackend> VirtualBackend()
{
    auto bus = std::make_shared<VirtualHidBus>();
    bus->Plug(std::make_shared<VirtualGenerator>(), kVirtualPlugDelay);
    return bus;
}

} // namespace

void SelectBackendFromOptions(const std::vector<std::string>& arguments)
{
    const auto has = [&arguments](const char* option) {
        return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
    };
    std::shared_ptr<HidBackend> backend = has("--virtual-generator") ? VirtualBackend() : SelectedHidBackend();
    const auto log = std::find(arguments.begin(), arguments.end(), "--report-log");
    if (log != arguments.end()) {
        if (log + 1 == arguments.end())
            throw std::runtime_error("--report-log needs a file name");
        backend = LoggingBackend(backend, std::make_shared<ReportLog>(*(log + 1)));
    }
    SelectHidBackend(backend);
}

} // namespace dds
