#include "cli/virtual_faults.h"

#include <charconv>
#include <set>

#include "cli/cli_command.h"

namespace dds::cli {
namespace {

using std::chrono::milliseconds;

constexpr int64_t kLatestAcknowledgement = 600'000;

const char* const kSpecHelp = "no-ack, late-ack:MS, unplug-after:K or flood";

[[noreturn]] void Refuse(const std::string& spec, const std::string& why)
{
    throw UsageError("--virtual-fault '" + spec + "': " + why);
}

int64_t Argument(const std::string& spec, const std::string& text, int64_t min, int64_t max)
{
    int64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || end != last || value < min || value > max)
        Refuse(spec, "needs a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return value;
}

struct Spec {
    std::string text;
    std::string name;
    std::optional<std::string> argument; // after the colon
};

Spec Split(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return {text, text, std::nullopt};
    return {text, text.substr(0, colon), text.substr(colon + 1)};
}

void ApplySpec(VirtualFaults& faults, const Spec& spec)
{
    const bool takesValue = spec.name == "late-ack" || spec.name == "unplug-after";
    if (takesValue != spec.argument.has_value())
        Refuse(spec.text, std::string("must be ") + kSpecHelp);
    if (spec.name == "no-ack")
        faults.noAcknowledgement = true;
    else if (spec.name == "flood")
        faults.flood = true;
    else if (spec.name == "late-ack")
        faults.ackLatency = milliseconds(Argument(spec.text, *spec.argument, 0, kLatestAcknowledgement));
    else if (spec.name == "unplug-after")
        faults.unplugAfterReports = static_cast<size_t>(Argument(spec.text, *spec.argument, 1, 1'000'000));
    else
        Refuse(spec.text, std::string("must be ") + kSpecHelp);
}

} // namespace

VirtualFaults ParseVirtualFaults(const std::vector<std::string>& specs)
{
    VirtualFaults faults;
    std::set<std::string> seen;
    for (const std::string& text : specs) {
        const Spec spec = Split(text);
        ApplySpec(faults, spec);
        if (!seen.insert(spec.name).second)
            Refuse(text, "that switch is given twice");
    }
    return faults;
}

} // namespace dds::cli
