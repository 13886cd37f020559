#include "device/hid_read_thread.h"

#include "device/hid_device.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>
#include <stdexcept>

namespace {
// Marks the UI thread as running one of the thread's hand-overs, also when a handler throws.
struct HandOverScope {
    explicit HandOverScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~HandOverScope() { flag_ = false; }
    bool& flag_;
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
}

void TJvHidDeviceReadThread::run()
{
    while (!stop_)
        ReadOnce();
    readHandle_.reset();
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
        Deliver(count);
}

void TJvHidDeviceReadThread::ReportError(uint32_t error)
{
    lastError_ = error;
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            const HandOverScope scope(inHandOver_);
            const TJvHidDataErrorEvent handler = device_.OnDataError();
            if (handler)
                handler(&device_, error);
        },
        Qt::BlockingQueuedConnection);
}

void TJvHidDeviceReadThread::Deliver(int count)
{
    QMetaObject::invokeMethod(
        this,
        [this, count] {
            const HandOverScope scope(inHandOver_);
            const TJvHidDataEvent handler = device_.OnData();
            if (handler)
                handler(&device_, buffer_[0], buffer_.data() + 1, static_cast<uint16_t>(count - 1));
        },
        Qt::BlockingQueuedConnection);
}

void TJvHidDeviceReadThread::SleepUnlessStopped(uint32_t milliseconds)
{
    std::unique_lock lock(sleepMutex_);
    sleepWake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}
