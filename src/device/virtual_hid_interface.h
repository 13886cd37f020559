#pragma once
#include "device/hid_backend.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace dds {

// One interface of the in-process HID bus: it records what is written to it and holds a queue of
// input reports that become readable at a given time. Writes come from the UI thread, reads from a
// read thread.
class VirtualHidInterface {
public:
    using Clock = std::chrono::steady_clock;
    using Report = std::vector<uint8_t>;

    // How far the interface lets itself be opened.
    enum class Openness { ReadWrite, WithoutAccess, Never };

    explicit VirtualHidInterface(HidInterfaceInfo info, Openness openness = Openness::ReadWrite);
    virtual ~VirtualHidInterface() = default;
    VirtualHidInterface(const VirtualHidInterface&) = delete;
    VirtualHidInterface& operator=(const VirtualHidInterface&) = delete;

    const HidInterfaceInfo& Info() const { return info_; }
    Openness OpensAs() const { return openness_; }
    bool Attached() const;

    // Makes `report` (report id first) readable after `delay`.
    void QueueInput(Report report, std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    std::vector<Report> Written() const;
    size_t WriteCount() const;
    size_t OpenHandles() const;
    // Input reports queued and not yet read.
    size_t PendingInput() const;

    // Used by the bus and by the interface's handles.
    void SetAttached(bool attached);
    int Write(const uint8_t* data, size_t length);
    // Returns 0 as soon as `interrupted` holds; WakeReaders makes a waiting read look again.
    int Read(uint8_t* buffer, size_t length, int timeoutMs, const std::atomic<bool>& interrupted);
    void WakeReaders();
    void HandleOpened(int delta);

protected:
    // Called on the UI thread for every report written, after it has been recorded.
    virtual void OnReport(const Report&) {}

private:
    struct Pending {
        Clock::time_point due;
        Report report;
    };

    const HidInterfaceInfo info_;
    const Openness openness_;
    mutable std::mutex mutex_;
    std::condition_variable inputArrived_;
    std::deque<Pending> input_;
    std::vector<Report> written_;
    bool attached_ = false;
    int openHandles_ = 0;
};

} // namespace dds
