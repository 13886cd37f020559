#include "cli/generator_options.h"

#include "cli/cli_command.h"
#include "device/hid_backend_selection.h"
#include "device/report_log.h"
#include "device/virtual_hid_bus.h"

namespace dds::cli {

std::set<std::string> WithGeneratorOptions(std::set<std::string> valued)
{
    valued.insert({"device", "virtual-fault", "report-log"});
    return valued;
}

GeneratorOptions ParseGeneratorOptions(const OptionParser& options)
{
    GeneratorOptions parsed;
    parsed.device = options.text("device");
    parsed.useVirtual = options.has("virtual");
    parsed.faults = ParseVirtualFaults(options.all("virtual-fault"));
    parsed.reportLog = options.text("report-log");
    if (!parsed.useVirtual && options.has("virtual-fault"))
        throw UsageError("--virtual-fault goes with --virtual");
    return parsed;
}

std::shared_ptr<HidBackend> GeneratorBackend(const GeneratorOptions& options)
{
    std::shared_ptr<HidBackend> backend =
        options.useVirtual ? std::shared_ptr<HidBackend>(VirtualGeneratorBus(options.faults)) : SelectedHidBackend();
    if (options.reportLog)
        backend = LoggingBackend(backend, std::make_shared<ReportLog>(*options.reportLog));
    return backend;
}

} // namespace dds::cli
