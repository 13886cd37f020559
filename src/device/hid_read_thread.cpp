#include "device/hid_read_thread.h"

#include "device/hid_device.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>
#include <stdexcept>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace {

// ThreadSanitizer does not see Qt's own locks. These tell it what a blocking hand-over and the end
// of the thread guarantee: what one side wrote before `Published` the other reads after `Received`.
void Published([[maybe_unused]] void* key)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(key);
#endif
}

void Received([[maybe_unused]] void* key)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(key);
#endif
}

// Marks the UI thread as running one of the thread's hand-overs, also when a handler throws.
struct HandOverScope {
    HandOverScope(bool& flag, void* key) : flag_(flag), key_(key)
    {
        Received(key_);
        flag_ = true;
    }
    ~HandOverScope()
    {
        flag_ = false;
        Published(key_);
    }
    bool& flag_;
    void* key_;
};

} // namespace

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice& device, std::unique_ptr<dds::HidHandle> readHandle,
                                               uint16_t inputReportLength, const std::atomic<uint32_t>& sleepTime)
    : device_(device), readHandle_(std::move(readHandle)), buffer_(inputReportLength), sleepTime_(sleepTime)
{
}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread() { Stop(); }

void TJvHidDeviceReadThread::Stop()
{
    if (inHandOver_)
        throw std::logic_error("a read thread cannot be stopped from its own input handler");
    stop_ = true;
    {
        std::lock_guard lock(sleepMutex_);
        sleepWake_.notify_all();
    }
    // A plain join would deadlock while the thread waits for a hand-over to be served.
    while (!wait(QDeadlineTimer(5)))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    Received(this);
}

void TJvHidDeviceReadThread::run()
{
    while (!stop_)
        ReadOnce();
    readHandle_.reset();
    Published(this);
}

void TJvHidDeviceReadThread::ReadOnce()
{
    if (dropHandle_)
        readHandle_.reset();
    std::fill(buffer_.begin(), buffer_.end(), uint8_t{0});
    const int count = (readHandle_ && !buffer_.empty())
                          ? readHandle_->read(buffer_.data(), buffer_.size(), static_cast<int>(sleepTime_.load()))
                          : -1;
    if (count < 0) {
        ReportError(readHandle_ ? readHandle_->lastError() : kReadUnavailable);
        // Without this pause a device whose reads cannot start would keep the processor busy.
        SleepUnlessStopped(sleepTime_);
        return;
    }
    lastCount_ = count;
    if (count > 0 && !stop_)
        Deliver();
}

// The hand-overs carry nothing but the member to run: what it serves (the error, the report and
// its length) is in members written before `Published`, so ThreadSanitizer sees every byte the UI
// thread reads from this thread except Qt's own call object.
void TJvHidDeviceReadThread::ReportError(uint32_t error)
{
    lastError_ = error;
    Published(this);
    QMetaObject::invokeMethod(this, &TJvHidDeviceReadThread::ServeError, Qt::BlockingQueuedConnection);
    Received(this);
}

void TJvHidDeviceReadThread::ServeError()
{
    const HandOverScope scope(inHandOver_, this);
    const TJvHidDataErrorEvent handler = device_.OnDataError();
    if (handler)
        handler(&device_, lastError_);
}

void TJvHidDeviceReadThread::Deliver()
{
    Published(this);
    QMetaObject::invokeMethod(this, &TJvHidDeviceReadThread::ServeReport, Qt::BlockingQueuedConnection);
    Received(this);
}

void TJvHidDeviceReadThread::ServeReport()
{
    const HandOverScope scope(inHandOver_, this);
    const TJvHidDataEvent handler = device_.OnData();
    if (handler)
        handler(&device_, buffer_[0], buffer_.data() + 1, static_cast<uint16_t>(lastCount_ - 1));
}

void TJvHidDeviceReadThread::SleepUnlessStopped(uint32_t milliseconds)
{
    std::unique_lock lock(sleepMutex_);
    sleepWake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}
