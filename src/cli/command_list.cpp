#include <ostream>

#include "cli/commands.h"
#include "cli/option_parser.h"
#include "device/generator_commands.h"
#include "device/backend_options.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

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

// One interface as list shows it; generators are numbered from 1 in the order found.
struct ListedInterface {
    HidInterfaceInfo info;
    bool readWrite;
    int generatorNumber; // 0 for any other interface
};

std::vector<ListedInterface> ListInterfaces(HidBackend& backend)
{
    std::vector<ListedInterface> listed;
    int generators = 0;
    for (const HidInterfaceInfo& info : backend.enumerate()) {
        const bool readWrite = backend.open(info.path, HidAccess::ReadWrite) != nullptr;
        listed.push_back({info, readWrite, IsGenerator(info) ? ++generators : 0});
    }
    return listed;
}

void PrintText(const ListedInterface& i, std::ostream& out)
{
    out << i.info.path << '\t' << Hex4(i.info.vendorId) << ':' << Hex4(i.info.productId) << '\t'
        << (i.readWrite ? "read-write" : "no-access") << "\tin " << i.info.inputReportLength << " out "
        << i.info.outputReportLength;
    if (i.generatorNumber > 0)
        out << "\tgenerator " << i.generatorNumber;
    out << '\n';
}

nlohmann::json Json(const ListedInterface& i)
{
    nlohmann::json json{
        {"path", i.info.path},
        {"vendorId", i.info.vendorId},
        {"productId", i.info.productId},
        {"readWrite", i.readWrite},
        {"inputReportLength", i.info.inputReportLength},
        {"outputReportLength", i.info.outputReportLength},
        {"generator", i.generatorNumber > 0},
    };
    if (i.generatorNumber > 0)
        json["generatorNumber"] = i.generatorNumber;
    return json;
}

} // namespace

CliCommand ListCommand()
{
    return {"list", "print every HID interface found, numbering the generators",
            "Usage: ddsgen-cli list [--virtual] [--json]\n"
            "Prints one line per HID interface: path, vendor:product (hex), read-write or no-access,\n"
            "the input and output report lengths in bytes (report id included), and for each\n"
            "function generator (04d8:0009) \"generator\" with its number, from 1 in the order found.\n"
            "The path is what --device of 'transfer' and 'set' takes.\n"
            "  --virtual   list the in-process virtual generator instead of the system's interfaces\n"
            "  --json      one JSON list of objects with the same figures (vendorId and productId as\n"
            "              numbers: 1240 and 9 for the generator)\n",
            [](CommandContext& c) {
                OptionParser options(c.args, {}, {"virtual", "json"});
                BackendChoice choice;
                choice.virtualGenerator = options.has("virtual");
                const auto backend = MakeBackend(choice, c.systemBackend);
                const std::vector<ListedInterface> listed = ListInterfaces(*backend);
                if (options.has("json")) {
                    nlohmann::json list = nlohmann::json::array();
                    for (const ListedInterface& i : listed)
                        list.push_back(Json(i));
                    c.out << list.dump() << '\n';
                    return 0;
                }
                for (const ListedInterface& i : listed)
                    PrintText(i, c.out);
                return 0;
            }};
}

} // namespace dds::cli
