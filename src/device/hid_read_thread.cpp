#include "device/hid_read_thread.h"

#include "device/hid_device.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace {

// The event a hand-over posts: a plain event, which Qt itself deletes once it has been delivered.
QEvent::Type HandOverKind()
{
    static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}

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

} // namespace

// Marks the UI thread as running one of the thread's hand-overs and ends it, also when a handler
// throws.
class TJvHidDeviceReadThread::HandOverScope {
public:
    explicit HandOverScope(TJvHidDeviceReadThread& thread) : thread_(thread)
    {
        Received(&thread_);
        thread_.inHandOver_ = true;
    }
    ~HandOverScope()
    {
        thread_.inHandOver_ = false;
        thread_.Served();
    }
    HandOverScope(const HandOverScope&) = delete;
    HandOverScope& operator=(const HandOverScope&) = delete;

private:
    TJvHidDeviceReadThread& thread_;
};

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
    if (readHandle_)
        readHandle_->interruptRead();
    std::unique_lock lock(mutex_);
    wake_.notify_all(); // the pause after a failed read
    // A plain join would deadlock while the thread waits for a hand-over to be served.
    while (!finished_) {
        wake_.wait(lock, [this] { return finished_ || posted_; });
        if (std::exchange(posted_, false)) {
            lock.unlock();
            QCoreApplication::sendPostedEvents(this, HandOverKind());
            lock.lock();
        }
    }
    lock.unlock();
    wait();
    Received(this);
}

void TJvHidDeviceReadThread::DropReadHandle()
{
    dropHandle_ = true;
    if (readHandle_)
        readHandle_->interruptRead();
}

void TJvHidDeviceReadThread::run()
{
    while (!stop_)
        ReadOnce();
    Published(this);
    const std::lock_guard lock(mutex_);
    finished_ = true;
    wake_.notify_all();
}

void TJvHidDeviceReadThread::ReadOnce()
{
    std::fill(buffer_.begin(), buffer_.end(), uint8_t{0});
    const bool open = readHandle_ && !dropHandle_;
    const int count = (open && !buffer_.empty())
                          ? readHandle_->read(buffer_.data(), buffer_.size(), static_cast<int>(sleepTime_.load()))
                          : -1;
    if (stop_)
        return;
    if (count < 0) {
        lastError_ = open ? readHandle_->lastError() : kReadUnavailable;
        HandOver(&TJvHidDeviceReadThread::ServeError);
        // Without this pause a device whose reads cannot start would keep the processor busy.
        SleepUnlessStopped(sleepTime_);
        return;
    }
    lastCount_ = count;
    if (count > 0)
        HandOver(&TJvHidDeviceReadThread::ServeReport);
}

// The hand-overs carry nothing: what they serve (the member to run, the error, the report and its
// length) is in members written before `Published`, so ThreadSanitizer sees every byte the UI
// thread reads from this thread except Qt's own event, which Qt allocates and frees.
void TJvHidDeviceReadThread::HandOver(void (TJvHidDeviceReadThread::*serve)())
{
    serving_ = serve;
    auto* handOver = new QEvent(HandOverKind());
    {
        const std::lock_guard lock(mutex_);
        served_ = false;
    }
    Published(this);
    QCoreApplication::postEvent(this, handOver);
    std::unique_lock lock(mutex_);
    posted_ = true; // only now: a Stop() waiting for it then finds it in the queue
    wake_.notify_all();
    wake_.wait(lock, [this] { return served_; });
    Received(this);
}

bool TJvHidDeviceReadThread::event(QEvent* event)
{
    Received(this); // a hand-over's event was made on the read thread
    if (event->type() != HandOverKind())
        return QThread::event(event);
    const HandOverScope scope(*this);
    (this->*serving_)();
    return true;
}

void TJvHidDeviceReadThread::ServeError()
{
    const TJvHidDataErrorEvent handler = device_.OnDataError();
    if (handler)
        handler(&device_, lastError_);
}

void TJvHidDeviceReadThread::ServeReport()
{
    const TJvHidDataEvent handler = device_.OnData();
    if (handler)
        handler(&device_, buffer_[0], buffer_.data() + 1, static_cast<uint16_t>(lastCount_ - 1));
}

void TJvHidDeviceReadThread::Served()
{
    Published(this);
    const std::lock_guard lock(mutex_);
    served_ = true;
    wake_.notify_all();
}

void TJvHidDeviceReadThread::SleepUnlessStopped(uint32_t milliseconds)
{
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}
