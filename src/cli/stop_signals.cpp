#include "cli/stop_signals.h"

#include <csignal>

namespace dds::cli {
namespace {

// A signal handler may only set a flag of this type; it is the one state the process shares.
volatile std::sig_atomic_t stopSignal = 0;

extern "C" void NoteStopSignal(int signal)
{
    stopSignal = signal;
}

// How often the event loop looks at the flag: a person pressing Ctrl+C waits no longer than this.
constexpr int kWatchMilliseconds = 50;

} // namespace

StopSignals::StopSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal))
{
    stopSignal = 0;
    std::signal(SIGINT, NoteStopSignal);
    std::signal(SIGTERM, NoteStopSignal);
    watch_.setInterval(kWatchMilliseconds);
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (Requested()) {
            watch_.stop();
            onSignal_();
        }
    });
    watch_.start();
}

StopSignals::~StopSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool StopSignals::Requested() const
{
    return stopSignal != 0;
}

} // namespace dds::cli
