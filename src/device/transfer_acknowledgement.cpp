#include "device/transfer_acknowledgement.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

namespace dds {

AcknowledgementWait::AcknowledgementWait(QTimer& timer, int32_t& counter,
                                         std::chrono::milliseconds period)
    : timer_(timer), counter_(counter), period_(period)
{
}

AcknowledgementWait::Outcome AcknowledgementWait::run(const std::function<bool()>& stopRequested)
{
    bool ticked = false;
    const QMetaObject::Connection tick =
        QObject::connect(&timer_, &QTimer::timeout, [&ticked] { ticked = true; });
    counter_ = 0;
    // Some event dispatchers (Windows) deliver posted events, such as a cross-thread hand-over or
    // a fast timer, and then go to sleep in the same call: if one of them decided the wait, the
    // dispatcher is woken just before it would sleep, so the wait ends at once, not on the tick.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection beforeSleep = QObject::connect(
        dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
            if (counter_ != 0 || (stopRequested && stopRequested()))
                dispatcher->wakeUp();
        });
    timer_.start(period_); // a fresh full period from now
    bool stopped = false;
    while (counter_ == 0) {
        // Sleeps until something arrives: an input report, the tick, or any window message.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (stopRequested && stopRequested()) {
            stopped = true;
            break;
        }
    }
    counter_ = 0;
    timer_.stop();
    QObject::disconnect(tick);
    QObject::disconnect(beforeSleep);
    if (stopped)
        return Outcome::Stopped;
    return ticked ? Outcome::TimedOut : Outcome::Acknowledged;
}

AcknowledgementClock::AcknowledgementClock()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { ++counter_; });
}

void AcknowledgementClock::onInputReport(const uint8_t* data, uint16_t size)
{
    if (size > 0 && data[0] == 1)
        counter_ = 1;
}

} // namespace dds
