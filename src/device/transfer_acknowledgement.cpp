#include "device/transfer_acknowledgement.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

namespace dds {

AcknowledgementWait::AcknowledgementWait(QTimer& timer, AcknowledgementCounter& counter,
                                         std::chrono::milliseconds period)
    : timer_(timer), counter_(counter), period_(period)
{
}

AcknowledgementWait::Outcome AcknowledgementWait::run(const std::function<bool()>& stopRequested)
{
    bool ticked = false;
    const QMetaObject::Connection tick =
        QObject::connect(&timer_, &QTimer::timeout, [&ticked] { ticked = true; });
    counter_.Reset();
    timer_.start(period_); // a fresh full period from now
    bool stopped = false;
    RunEventsUntil([&] {
        // Sleeps until something arrives: an input report, the tick, or any window message.
        stopped = counter_.Value() == 0 && stopRequested && stopRequested();
        return stopped || counter_.Value() != 0;
    });
    counter_.Reset();
    timer_.stop();
    QObject::disconnect(tick);
    if (stopped)
        return Outcome::Stopped;
    return ticked ? Outcome::TimedOut : Outcome::Acknowledged;
}

bool RunEventsUntil(const std::function<bool()>& done, std::optional<std::chrono::milliseconds> limit)
{
    // Some event dispatchers (Windows) deliver posted events, such as a cross-thread hand-over or
    // a fast timer, and then go to sleep in the same call: if one of them decided the wait, the
    // dispatcher is woken just before it would sleep, so the wait ends at once.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection beforeSleep =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
            if (done())
                dispatcher->wakeUp();
        });
    QTimer deadline; // wakes the sleep when nothing else does
    deadline.setSingleShot(true);
    if (limit)
        deadline.start(*limit);
    bool finished = done();
    while (!finished && (!limit || deadline.isActive())) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        finished = done();
    }
    QObject::disconnect(beforeSleep);
    return finished;
}

} // namespace dds
