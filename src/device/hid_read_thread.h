#pragma once
#include "device/hid_backend.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class TJvHidDevice;

// Reads the input reports of one claimed device and hands each one to the UI thread, waiting until
// its handler has returned. The thread object itself lives on the UI thread and is the receiver of
// the hand-overs; the read handle is opened and closed there too, so that whatever it holds last
// (the in-process generator's timers) goes on the UI thread.
class TJvHidDeviceReadThread : public QThread {
    Q_OBJECT
public:
    // Code handed to the error handler when no read can be started on the interface.
    static constexpr uint32_t kReadUnavailable = 1167; // the system's "device not connected"

    TJvHidDeviceReadThread(TJvHidDevice& device, std::unique_ptr<dds::HidHandle> readHandle,
                           uint16_t inputReportLength, const std::atomic<uint32_t>& sleepTime);
    ~TJvHidDeviceReadThread() override;

    // Ends the loop at once, wherever it waits, serving a hand-over it has started, so the thread
    // can finish. Must not be called from inside one of its own hand-overs.
    void Stop();
    // The interface is gone: the loop stops reading from its handle.
    void DropReadHandle();

    uint32_t LastError() const { return lastError_; }

protected:
    void run() override;
    // The UI side of a hand-over: runs what the read thread posted.
    bool event(QEvent* event) override;

private:
    class HandOverScope;

    void ReadOnce();
    // Reader side of a hand-over: posts `serve` to the UI thread and waits until it has run.
    void HandOver(void (TJvHidDeviceReadThread::*serve)());
    // What a hand-over runs on the UI thread.
    void ServeError();
    void ServeReport(); // the report in buffer_, lastCount_ bytes long
    void Served();
    void SleepUnlessStopped(uint32_t milliseconds);

    TJvHidDevice& device_;
    const std::unique_ptr<dds::HidHandle> readHandle_;
    std::vector<uint8_t> buffer_;
    const std::atomic<uint32_t>& sleepTime_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> dropHandle_ = false;
    std::atomic<uint32_t> lastError_ = 0;
    int lastCount_ = 0;       // of the report being handed over
    void (TJvHidDeviceReadThread::*serving_)() = nullptr; // what the hand-over runs
    bool inHandOver_ = false; // UI thread only
    // Between the two threads: a hand-over posted and not yet served, its end, the loop's end.
    std::mutex mutex_;
    std::condition_variable wake_;
    bool posted_ = false;
    bool served_ = false;
    bool finished_ = false;
};
