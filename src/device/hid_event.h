#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

// An event handler that can be compared with another: the controller replaces its default handlers
// only on the devices that still carry the old one.
template <typename Signature>
class THidEvent;

template <typename R, typename... Args>
class THidEvent<R(Args...)> {
public:
    THidEvent() = default;
    template <typename F>
        requires(std::is_invocable_r_v<R, F, Args...> && !std::is_same_v<std::decay_t<F>, THidEvent>)
    THidEvent(F function) // NOLINT: implicit, so that a lambda can be assigned directly
        : function_(std::make_shared<const std::function<R(Args...)>>(std::move(function)))
    {
    }

    explicit operator bool() const { return function_ != nullptr; }
    bool operator==(const THidEvent& other) const { return function_ == other.function_; }
    R operator()(Args... args) const { return (*function_)(args...); }

private:
    std::shared_ptr<const std::function<R(Args...)>> function_;
};

class TJvHidDevice;

using TJvHidPlugEvent = THidEvent<void(TJvHidDevice* HidDev)>;
using TJvHidDataEvent = THidEvent<void(TJvHidDevice* HidDev, uint8_t ReportID, const uint8_t* Data, uint16_t Size)>;
using TJvHidDataErrorEvent = THidEvent<void(TJvHidDevice* HidDev, uint32_t Error)>;
// Returns whether the walk over the device list goes on.
using TJvHidEnumerateEvent = THidEvent<bool(TJvHidDevice* HidDev, int Index)>;
using TJvHidNotifyEvent = THidEvent<void()>;
