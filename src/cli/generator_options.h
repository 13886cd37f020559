#pragma once
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "cli/option_parser.h"
#include "cli/virtual_faults.h"
#include "device/hid_backend.h"

namespace dds::cli {

// How a command that talks to the generator finds it: --device, --virtual with its
// --virtual-fault switches, and --report-log.
struct GeneratorOptions {
    std::optional<std::string> device; // a path as 'list' prints it; the first generator without
    bool useVirtual = false;
    VirtualFaults faults;
    std::optional<std::string> reportLog;
};

// `valued` with the valued options ParseGeneratorOptions reads, for the command's OptionParser;
// "virtual" is a flag.
std::set<std::string> WithGeneratorOptions(std::set<std::string> valued);
// UsageError for a bad fault switch or one given without --virtual.
GeneratorOptions ParseGeneratorOptions(const OptionParser& options);

// The system's interfaces or the virtual generator's bus, logged when asked.
std::shared_ptr<HidBackend> GeneratorBackend(const GeneratorOptions& options);

} // namespace dds::cli
