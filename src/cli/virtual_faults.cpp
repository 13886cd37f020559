#include "cli/virtual_faults.h"

#include <charconv>
#include <set>

#include "cli/cli_command.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

namespace dds::cli {
namespace {

using std::chrono::milliseconds;

// A stream of unrelated input reports, far denser than the acknowledgements.
constexpr milliseconds kFloodInterval{1};
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

std::shared_ptr<VirtualHidBus> VirtualGeneratorBus(const VirtualFaults& faults)
{
    auto bus = std::make_shared<VirtualHidBus>();
    auto generator = std::make_shared<VirtualGenerator>();
    generator->SetAcknowledging(!faults.noAcknowledgement);
    if (faults.ackLatency)
        generator->SetAckLatency(*faults.ackLatency);
    if (faults.flood)
        generator->SetUnrelatedInput(kFloodInterval);
    if (faults.unplugAfterReports) {
        // Weak references: the generator keeps the callback, and the bus keeps the generator.
        std::weak_ptr<VirtualHidBus> weakBus = bus;
        std::weak_ptr<VirtualGenerator> weakGenerator = generator;
        generator->UnplugAfter(*faults.unplugAfterReports, [weakBus, weakGenerator] {
            const auto b = weakBus.lock();
            const auto g = weakGenerator.lock();
            if (b && g)
                b->Unplug(*g);
        });
    }
    bus->Attach(generator);
    return bus;
}

} // namespace dds::cli
