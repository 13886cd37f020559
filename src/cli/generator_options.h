#pragma once
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "cli/option_parser.h"
#include "device/backend_options.h"

namespace dds::cli {

// How a command that talks to the generator finds it: --device, --virtual with its
// --virtual-fault switches, and --report-log.
struct GeneratorOptions {
    std::optional<std::string> device; // a path as 'list' prints it; the first generator without
    BackendChoice backend;
};

// `valued` with the valued options ParseGeneratorOptions reads, for the command's OptionParser;
// "virtual" is a flag.
std::set<std::string> WithGeneratorOptions(std::set<std::string> valued);
// UsageError for a bad fault switch or one given without --virtual.
GeneratorOptions ParseGeneratorOptions(const OptionParser& options);

} // namespace dds::cli
