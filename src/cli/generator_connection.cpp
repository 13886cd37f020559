#include "cli/generator_connection.h"

#include <algorithm>
#include <chrono>
#include <ostream>

#include "device/generator_link.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"

namespace dds::cli {
namespace {

// How long the tool waits for the generator to be announced after the first search.
constexpr std::chrono::milliseconds kArrivalWait{1500};

const TJvHidDevice* Listed(GeneratorHolder& holder, const std::string& path)
{
    const auto& devices = holder.Controller().Devices();
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&path](const TJvHidDevice* d) { return d->PnPInfo().DevicePath() == path; });
    return found == devices.end() ? nullptr : *found;
}

std::string WhyNone(GeneratorHolder& holder, const std::optional<std::string>& device)
{
    if (!holder.InaccessibleGenerator().empty())
        return InaccessibleGeneratorMessage(holder.InaccessibleGenerator());
    if (!device)
        return "no generator found (USB 04d8:0009)";
    const TJvHidDevice* listed = Listed(holder, *device);
    if (!listed)
        return "no HID interface at " + *device + " (see 'ddsgen-cli list')";
    if (!GeneratorHolder::IsGenerator(*listed))
        return *device + " is not the generator (USB 04d8:0009; see 'ddsgen-cli list')";
    return "the generator at " + *device + " is in use";
}

} // namespace

std::unique_ptr<QCoreApplication> EnsureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "ddsgen-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

bool ConnectGenerator(GeneratorHolder& holder, const std::optional<std::string>& device,
                      const std::string& command, std::ostream& err)
{
    holder.FollowPlugging(device);
    if (holder.WaitForGenerator(kArrivalWait))
        return true;
    err << "ddsgen-cli " << command << ": " << WhyNone(holder, device) << '\n';
    return false;
}

} // namespace dds::cli
