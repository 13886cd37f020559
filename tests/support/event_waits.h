#pragma once
// Waiting for what a test is about rather than sleeping a guessed time, so that a busy machine or
// Wine makes a test slower, never failed. A wait that gives up says what it waited for and how long.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

namespace dds::test {

inline constexpr std::chrono::milliseconds kEventWait{60000};

// Lets events run until `condition` holds: ASSERT_TRUE(WaitFor("the generator to connect", ...)).
template <typename Condition>
::testing::AssertionResult WaitFor(const char* what, Condition condition)
{
    QElapsedTimer clock;
    clock.start();
    if (QTest::qWaitFor(condition, static_cast<int>(kEventWait.count())))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "gave up after " << clock.elapsed() << " ms waiting for " << what;
}

// Runs the events queued on this thread, and those they queue in turn, until none is left. What
// another thread hands over is not among them: wait for it with WaitFor.
inline void RunQueuedEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(kEventWait.count()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace dds::test
