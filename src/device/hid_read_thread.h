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
// the hand-overs.
class TJvHidDeviceReadThread : public QThread {
    Q_OBJECT
public:
    // Code handed to the error handler when no read can be started on the interface.
    static constexpr uint32_t kReadUnavailable = 1167; // the system's "device not connected"

    TJvHidDeviceReadThread(TJvHidDevice& device, std::unique_ptr<dds::HidHandle> readHandle,
                           uint16_t inputReportLength, const std::atomic<uint32_t>& sleepTime);
    ~TJvHidDeviceReadThread() override;

    // Asks the loop to end and waits for it while still serving its hand-overs, so a thread
    // blocked in one can finish. Must not be called from inside one of its own hand-overs.
    void Stop();
    // The interface is gone: the loop drops its read handle and stops reading from it.
    void DropReadHandle() { dropHandle_ = true; }

    uint32_t LastError() const { return lastError_; }

protected:
    void run() override;

private:
    void ReadOnce();
    // Reader side of a hand-over, blocked until the UI thread has served it; and the UI side.
    void ReportError(uint32_t error);
    void ServeError();
    void Deliver(); // the report in buffer_, lastCount_ bytes long
    void ServeReport();
    void SleepUnlessStopped(uint32_t milliseconds);

    TJvHidDevice& device_;
    std::unique_ptr<dds::HidHandle> readHandle_;
    std::vector<uint8_t> buffer_;
    const std::atomic<uint32_t>& sleepTime_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> dropHandle_ = false;
    std::atomic<uint32_t> lastError_ = 0;
    int lastCount_ = 0;       // of the report being handed over
    bool inHandOver_ = false; // UI thread only
    std::mutex sleepMutex_;
    std::condition_variable sleepWake_;
};
