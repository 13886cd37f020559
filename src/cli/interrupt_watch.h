#pragma once
#include <functional>
#include <memory>

namespace dds::cli {

// SIGINT and SIGTERM (on Windows also SIGBREAK, Ctrl+Break, as SIGTERM) while a command
// talks to the generator: instead of ending the process, the signal is noted and wakes the event
// loop, so the command stops at the next report and closes as the quit button does. The previous
// handling comes back when the watch ends. One watch at a time; create it on the UI thread.
// `onSignal`, when given, runs on the UI thread once a signal has come.
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onSignal = {});
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The signal that came (SIGINT or SIGTERM), 0 while none has.
    int Signal() const;
    bool Requested() const { return Signal() != 0; }
    // 128 + the signal: 130 for SIGINT, 143 for SIGTERM.
    int ExitStatus() const { return 128 + Signal(); }

private:
    class Waker;
    void Woken();

    std::function<void()> onSignal_;
    std::unique_ptr<Waker> waker_;
};

} // namespace dds::cli
