#include "device/virtual_hid_interface.h"

#include <algorithm>

namespace dds {

VirtualHidInterface::VirtualHidInterface(HidInterfaceInfo info, Openness openness)
    : info_(std::move(info)), openness_(openness)
{
}

bool VirtualHidInterface::Attached() const
{
    std::lock_guard lock(mutex_);
    return attached_;
}

void VirtualHidInterface::SetAttached(bool attached)
{
    std::lock_guard lock(mutex_);
    attached_ = attached;
    inputArrived_.notify_all();
}

void VirtualHidInterface::WakeReaders()
{
    std::lock_guard lock(mutex_);
    inputArrived_.notify_all();
}

void VirtualHidInterface::QueueInput(Report report, std::chrono::milliseconds delay)
{
    std::lock_guard lock(mutex_);
    const Pending pending{Clock::now() + delay, std::move(report)};
    // Kept in order of readiness, so a late report never holds back an earlier one.
    const auto at = std::upper_bound(input_.begin(), input_.end(), pending.due,
                                     [](Clock::time_point due, const Pending& other) { return due < other.due; });
    input_.insert(at, pending);
    inputArrived_.notify_all();
}

std::vector<VirtualHidInterface::Report> VirtualHidInterface::Written() const
{
    std::lock_guard lock(mutex_);
    return written_;
}

size_t VirtualHidInterface::WriteCount() const
{
    std::lock_guard lock(mutex_);
    return written_.size();
}

size_t VirtualHidInterface::OpenHandles() const
{
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(openHandles_);
}

size_t VirtualHidInterface::PendingInput() const
{
    std::lock_guard lock(mutex_);
    return input_.size();
}

void VirtualHidInterface::HandleOpened(int delta)
{
    std::lock_guard lock(mutex_);
    openHandles_ += delta;
}

int VirtualHidInterface::Write(const uint8_t* data, size_t length)
{
    Report report(data, data + length);
    {
        std::lock_guard lock(mutex_);
        if (!attached_)
            return -1;
        written_.push_back(report);
    }
    OnReport(report);
    return static_cast<int>(length);
}

int VirtualHidInterface::Read(uint8_t* buffer, size_t length, int timeoutMs, const std::atomic<bool>& interrupted)
{
    std::unique_lock lock(mutex_);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (interrupted)
            return 0;
        if (!attached_)
            return -1;
        const auto now = Clock::now();
        if (!input_.empty() && input_.front().due <= now) {
            const Report report = std::move(input_.front().report);
            input_.pop_front();
            const size_t count = std::min(length, report.size());
            std::copy_n(report.begin(), count, buffer);
            return static_cast<int>(count);
        }
        if (now >= deadline)
            return 0;
        const auto wakeAt = input_.empty() ? deadline : std::min(deadline, input_.front().due);
        inputArrived_.wait_until(lock, wakeAt);
    }
}

} // namespace dds
