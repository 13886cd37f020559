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

GeneratorSession::GeneratorSession(const GeneratorOptions& where, CommandContext& context, std::string command)
    : context_(context), command_(std::move(command)), device_(where.device), application_(EnsureApplication()),
      log_(OpenLog(where)), holder_(LoggedBackend(where, context.systemBackend, log_))
{
}

int GeneratorSession::Connect()
{
    holder_.FollowPlugging({}, device_);
    RunEventsUntil([this] { return holder_.Holds() || Interrupted(); }, kArrivalWait);
    if (holder_.Holds())
        return kExitDone;
    Say(Interrupted() ? "interrupted before a generator was found; nothing was sent" : WhyNone());
    if (Interrupted())
        return Status(kExitDone);
    return Status(kExitFailure);
}

std::string GeneratorSession::DevicePath() const
{
    return holder_.Generator() ? holder_.Generator()->PnPInfo().DevicePath() : std::string();
}

bool GeneratorSession::Close()
{
    return !holder_.Lost() && holder_.CloseAndRelease() == Delivery::Written;
}

int GeneratorSession::Status(int done) const
{
    int status = done;
    if (holder_.Lost())
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
    if (!holder_.InaccessibleGenerator().empty())
        return InaccessibleGeneratorMessage(holder_.InaccessibleGenerator());
    if (!device_)
        return "no generator found (USB 04d8:0009)";
    const TJvHidDevice* listed = Listed(holder_, *device_);
    if (!listed)
        return "no HID interface at " + *device_ + " (see 'ddsgen-cli list')";
    if (!GeneratorHolder::IsGenerator(*listed))
        return *device_ + " is not the generator (USB 04d8:0009; see 'ddsgen-cli list')";
    return "the generator at " + *device_ + " is in use";
}

} // namespace dds::cli
