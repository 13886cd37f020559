#include "cli/interrupt_watch.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <iterator>
#include <utility>
#include <stdexcept>

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace dds::cli {
namespace {

// What the handler may touch: a signal handler reaches no object, so the watch keeps these while
// it lives.
std::atomic<int> caughtSignal{0};

#if defined(_WIN32)
// Windows runs the handler on the console's own thread (or on the raising one): waking the UI
// thread's dispatcher is safe from any thread.
std::atomic<QAbstractEventDispatcher*> uiDispatcher{nullptr};

void OnSignal(int signal)
{
    caughtSignal = signal == SIGINT ? SIGINT : SIGTERM; // Ctrl+Break and the console closing count as SIGTERM
    std::signal(signal, OnSignal);                      // the system resets it to the default before each call
    if (QAbstractEventDispatcher* dispatcher = uiDispatcher.load())
        dispatcher->wakeUp();
}
#else
std::atomic<int> wakeFd{-1};

void OnSignal(int signal)
{
    caughtSignal = signal;
    const char byte = 0;
    [[maybe_unused]] const auto ignored = ::write(wakeFd.load(), &byte, 1); // async-signal-safe
}
#endif

} // namespace

#if defined(_WIN32)
class InterruptWatch::Waker {
public:
    explicit Waker(const std::function<void()>& woken)
    {
        uiDispatcher = QAbstractEventDispatcher::instance();
        awake_ = QObject::connect(uiDispatcher.load(), &QAbstractEventDispatcher::awake, woken);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            previous_[i] = std::signal(kSignals[i], OnSignal);
    }
    ~Waker()
    {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            std::signal(kSignals[i], previous_[i]);
        QObject::disconnect(awake_);
        uiDispatcher = nullptr;
    }

private:
    QMetaObject::Connection awake_;
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGBREAK};
    void (*previous_[std::size(kSignals)])(int) = {};
};
#else
// The self-pipe: the handler writes a byte, and a notifier on the UI thread wakes the event loop.
class InterruptWatch::Waker {
public:
    explicit Waker(const std::function<void()>& woken)
    {
        if (::pipe(fds_) != 0)
            throw std::runtime_error("cannot watch for interruptions (no pipe)");
        for (const int fd : fds_)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        wakeFd = fds_[1];
        notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, woken] {
            char drained[16];
            while (::read(fds_[0], drained, sizeof drained) > 0) {
            }
            woken();
        });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previousInt_);
        ::sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~Waker()
    {
        ::sigaction(SIGINT, &previousInt_, nullptr);
        ::sigaction(SIGTERM, &previousTerm_, nullptr);
        wakeFd = -1;
        notifier_.reset();
        ::close(fds_[0]);
        ::close(fds_[1]);
    }

private:
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};
#endif

InterruptWatch::InterruptWatch(std::function<void()> onSignal) : onSignal_(std::move(onSignal))
{
    caughtSignal = 0;
    waker_ = std::make_unique<Waker>([this] { Woken(); });
}

InterruptWatch::~InterruptWatch() = default;

void InterruptWatch::Woken()
{
    if (Requested() && onSignal_)
        std::exchange(onSignal_, {})();
}

int InterruptWatch::Signal() const
{
    return caughtSignal.load();
}

} // namespace dds::cli
