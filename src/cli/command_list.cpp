#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "device/generator_commands.h"
#include "device/backend_options.h"

#include <cstdio>
#include <memory>

namespace dds::cli {

namespace {

std::string Hex4(uint16_t value)
{
    char text[5];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

bool IsGenerator(const HidInterfaceInfo& info)
{
    return info.vendorId == kGeneratorVendorId && info.productId == kGeneratorProductId;
}

void PrintInterface(HidBackend& backend, const HidInterfaceInfo& info, std::ostream& out)
{
    const bool readWrite = backend.open(info.path, HidAccess::ReadWrite) != nullptr;
    out << info.path << '\t' << Hex4(info.vendorId) << ':' << Hex4(info.productId) << '\t'
        << (readWrite ? "read-write" : "no-access") << "\tin " << info.inputReportLength << " out "
        << info.outputReportLength << (IsGenerator(info) ? "\tgenerator" : "") << '\n';
}

} // namespace

CliCommand ListCommand()
{
    return {"list", "print every HID interface found, marking the generator",
            "Usage: ddsgen-cli list [--virtual]\n"
            "Prints one line per HID interface: path, vendor:product (hex), read-write or no-access,\n"
            "the input and output report lengths in bytes (report id included), and \"generator\"\n"
            "for the function generator (04d8:0009).\n"
            "  --virtual   list the in-process virtual generator instead of the system's interfaces\n",
            [](CommandContext& c) {
                OptionParser options(c.args, {}, {"virtual"});
                const auto backend = MakeBackend({.virtualGenerator = options.has("virtual")}, c.systemBackend);
                for (const HidInterfaceInfo& info : backend->enumerate())
                    PrintInterface(*backend, info, c.out);
                return 0;
            }};
}

} // namespace dds::cli
