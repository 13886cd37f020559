#include "cli/generator_session.h"

#include <algorithm>
#include <chrono>
#include <ostream>

#include "cli/exit_status.h"
#include "device/backend_options.h"
#include "device/generator_link.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/transfer_acknowledgement.h"

namespace dds::cli {
namespace {

// How long the tool waits for the generator to be announced after the first search.
constexpr std::chrono::milliseconds kArrivalWait{1500};

std::shared_ptr<ReportLog> OpenLog(const GeneratorOptions& where)
{
    return where.backend.reportLog ? std::make_shared<ReportLog>(*where.backend.reportLog) : nullptr;
}

// The chosen backend, its written reports logged to `log` when there is one.
std::shared_ptr<HidBackend> LoggedBackend(const GeneratorOptions& where, std::shared_ptr<HidBackend> system,
                                          std::shared_ptr<ReportLog> log)
{
    BackendChoice choice = where.backend;
    choice.reportLog.reset(); // opened here, so that its failures can be told
    std::shared_ptr<HidBackend> backend = MakeBackend(choice, std::move(system));
    return log ? LoggingBackend(std::move(backend), std::move(log)) : backend;
}

const TJvHidDevice* Listed(const GeneratorHolder& holder, const std::string& path)
{
    const auto& devices = holder.Controller().Devices();
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&path](const TJvHidDevice* d) { return d->PnPInfo().DevicePath() == path; });
    return found == devices.end() ? nullptr : *found;
}

HeadlessPanelOptions SessionPanelOptions(HeadlessPanelOptions options, const GeneratorOptions& where,
                                         const InterruptWatch& interrupt)
{
    options.devicePath = where.device;
    options.stopRequested = [&interrupt] { return interrupt.Requested(); };
    options.greeting = Greeting::OnFirstReport;
    return options;
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

GeneratorSession::GeneratorSession(const GeneratorOptions& where, CommandContext& context, std::string command,
                                   HeadlessPanelOptions panelOptions)
    : context_(context), command_(std::move(command)), device_(where.device), application_(EnsureApplication()),
      log_(OpenLog(where)), panel_(LoggedBackend(where, context.systemBackend, log_),
                                   SessionPanelOptions(std::move(panelOptions), where, interrupt_))
{
}

int GeneratorSession::Connect()
{
    RunEventsUntil([this] { return panel_.Connected() || Interrupted(); }, kArrivalWait);
    if (panel_.Connected())
        return kExitDone;
    Say(Interrupted() ? "interrupted before a generator was found; nothing was sent" : WhyNone());
    if (Interrupted())
        return Status(kExitDone);
    return Status(kExitFailure);
}

bool GeneratorSession::Close()
{
    return !Lost() && panel_.Close() == Delivery::Written;
}

int GeneratorSession::Status(int done) const
{
    int status = done;
    if (Lost())
        status = kExitVanished;
    else if (Interrupted())
        status = interrupt_.ExitStatus();
    if (log_ && !log_->Failure().empty()) {
        Say(log_->Failure());
        status = kExitFailure;
    }
    return status;
}

void GeneratorSession::Say(const std::string& text) const
{
    context_.err << "ddsgen-cli " << command_ << ": " << text << '\n';
}

std::string GeneratorSession::WhyNone() const
{
    if (!panel_.Holder().InaccessibleGenerator().empty())
        return InaccessibleGeneratorMessage(panel_.Holder().InaccessibleGenerator());
    if (!device_)
        return "no generator found (USB 04d8:0009)";
    const TJvHidDevice* listed = Listed(panel_.Holder(), *device_);
    if (!listed)
        return "no HID interface at " + *device_ + " (see 'ddsgen-cli list')";
    if (!GeneratorHolder::IsGenerator(*listed))
        return *device_ + " is not the generator (USB 04d8:0009; see 'ddsgen-cli list')";
    return "the generator at " + *device_ + " is in use";
}

} // namespace dds::cli
