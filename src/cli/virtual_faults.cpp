#include "cli/virtual_faults.h"

#include <charconv>
#include <set>

#include "cli/cli_command.h"

namespace dds::cli {
namespace {

using std::chrono::milliseconds;

constexpr int64_t kLatestAcknowledgement = 600'000;

const char* const kFaultHelp = "no-ack, late-ack:MS, unplug-after:K or flood";

[[noreturn]] void Refuse(const std::string& fault, const std::string& why)
{
    throw UsageError("--virtual-fault '" + fault + "': " + why);
}

int64_t Argument(const std::string& fault, const std::string& text, int64_t min, int64_t max)
{
    int64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc() || end != last || value < min || value > max)
        Refuse(fault, "needs a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return value;
}

struct FaultText {
    std::string text;
    std::string name;
    std::optional<std::string> argument; // after the colon
};

FaultText Split(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return {text, text, std::nullopt};
    return {text, text.substr(0, colon), text.substr(colon + 1)};
}

void ApplyFault(VirtualFaults& faults, const FaultText& fault)
{
    const bool takesValue = fault.name == "late-ack" || fault.name == "unplug-after";
    if (takesValue != fault.argument.has_value())
        Refuse(fault.text, std::string("must be ") + kFaultHelp);
    if (fault.name == "no-ack")
        faults.noAcknowledgement = true;
    else if (fault.name == "flood")
        faults.flood = true;
    else if (fault.name == "late-ack")
        faults.ackLatency = milliseconds(Argument(fault.text, *fault.argument, 0, kLatestAcknowledgement));
    else if (fault.name == "unplug-after")
        faults.unplugAfterReports = static_cast<size_t>(Argument(fault.text, *fault.argument, 1, 1'000'000));
    else
        Refuse(fault.text, std::string("must be ") + kFaultHelp);
}

} // namespace

VirtualFaults ParseVirtualFaults(const std::vector<std::string>& faultTexts)
{
    VirtualFaults faults;
    std::set<std::string> seen;
    for (const std::string& text : faultTexts) {
        const FaultText fault = Split(text);
        ApplyFault(faults, fault);
        if (!seen.insert(fault.name).second)
            Refuse(text, "that switch is given twice");
    }
    return faults;
}

} // namespace dds::cli
