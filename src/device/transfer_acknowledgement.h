#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "device/generator_commands.h"

namespace dds {

// The acknowledgement counter: raised by each tick of the acknowledgement timer, set to 1 by an
// acknowledging input report, set back to 0 by the wait. Its owner alone changes it, through these.
class AcknowledgementCounter {
public:
    void Tick() { ++value_; }
    // Only a block acknowledgement sets it; every other input report leaves it.
    void Acknowledge(const uint8_t* data, uint16_t size)
    {
        if (IsBlockAcknowledgement(data, size))
            value_ = 1;
    }
    void Reset() { value_ = 0; }
    int32_t Value() const { return value_; }

private:
    int32_t value_ = 0;
};

// The wait after each sample block: the acknowledgement counter is set to 0 and the timer started;
// events keep flowing until the data handler sets the counter to 1 (an acknowledgement) or the
// timer's tick raises it (a time-out); then the counter goes back to 0 and the timer stops.
// The counter's owner raises it on every tick of the timer.
class AcknowledgementWait {
public:
    static constexpr std::chrono::milliseconds kProductPeriod{5000};
    enum class Outcome { Acknowledged, TimedOut, Stopped };

    AcknowledgementWait(QTimer& timer, AcknowledgementCounter& counter,
                        std::chrono::milliseconds period = kProductPeriod);

    // Also ends, with Stopped, as soon as `stopRequested` holds after an event has run.
    Outcome run(const std::function<bool()>& stopRequested);

private:
    QTimer& timer_;
    AcknowledgementCounter& counter_;
    std::chrono::milliseconds period_;
};

// Lets events run, sleeping while there are none, until `done` holds or `limit` has passed;
// returns whether `done` held. `done` is asked again after every event.
bool RunEventsUntil(const std::function<bool()>& done, std::optional<std::chrono::milliseconds> limit = {});

} // namespace dds
