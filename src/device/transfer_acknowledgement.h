#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

namespace dds {

// The wait after each sample block: the acknowledgement counter is set to 0 and the timer started;
// events keep flowing until the data handler sets the counter to 1 (an acknowledgement) or the
// timer's tick raises it (a time-out); then the counter goes back to 0 and the timer stops.
// The counter's owner raises it on every tick of the timer.
class AcknowledgementWait {
public:
    static constexpr std::chrono::milliseconds kProductPeriod{5000};
    enum class Outcome { Acknowledged, TimedOut, Stopped };

    AcknowledgementWait(QTimer& timer, int32_t& counter,
                        std::chrono::milliseconds period = kProductPeriod);

    // Also ends, with Stopped, as soon as `stopRequested` holds after an event has run.
    Outcome run(const std::function<bool()>& stopRequested);

private:
    QTimer& timer_;
    int32_t& counter_;
    std::chrono::milliseconds period_;
};

// The acknowledgement timer and counter for a program without the main window: the tick raises
// the counter, and an input report whose first data byte is 1 sets it to 1.
class AcknowledgementClock {
public:
    AcknowledgementClock();
    AcknowledgementClock(const AcknowledgementClock&) = delete;
    AcknowledgementClock& operator=(const AcknowledgementClock&) = delete;

    void onInputReport(const uint8_t* data, uint16_t size);
    QTimer& timer() { return timer_; }
    int32_t& counter() { return counter_; }

private:
    QTimer timer_;
    int32_t counter_ = 0;
};

} // namespace dds
