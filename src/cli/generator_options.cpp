#include "cli/generator_options.h"

#include "cli/cli_command.h"
#include "cli/virtual_faults.h"

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
    parsed.backend.virtualGenerator = options.has("virtual");
    parsed.backend.virtualFaults = ParseVirtualFaults(options.all("virtual-fault"));
    parsed.backend.reportLog = options.path("report-log");
    if (!parsed.backend.virtualGenerator && options.has("virtual-fault"))
        throw UsageError("--virtual-fault goes with --virtual");
    return parsed;
}

} // namespace dds::cli
