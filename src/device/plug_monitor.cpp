#include "device/plug_monitor.h"

#if defined(__linux__)
#include <QSocketNotifier>
#include <libudev.h>
#elif defined(_WIN32)
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>
#include <dbt.h>
#endif

namespace dds {

#if defined(__linux__)

struct PlugMonitor::State {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;

    ~State()
    {
        notifier.reset();
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
    }
};

PlugMonitor::PlugMonitor(std::function<void()> onChange) : state_(std::make_unique<State>())
{
    state_->context = udev_new();
    if (!state_->context)
        return;
    // The "udev" group announces an interface only after its rules (and permissions) are applied.
    state_->monitor = udev_monitor_new_from_netlink(state_->context, "udev");
    if (!state_->monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(state_->monitor, "hidraw", nullptr);
    if (udev_monitor_enable_receiving(state_->monitor) < 0)
        return;
    const int fd = udev_monitor_get_fd(state_->monitor);
    state_->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    udev_monitor* monitor = state_->monitor;
    QObject::connect(state_->notifier.get(), &QSocketNotifier::activated, [monitor, onChange] {
        if (udev_device* device = udev_monitor_receive_device(monitor))
            udev_device_unref(device);
        onChange();
    });
}

#elif defined(_WIN32)

// The system broadcasts WM_DEVICECHANGE with DBT_DEVNODES_CHANGED to top-level windows.
struct PlugMonitor::State : QAbstractNativeEventFilter {
    explicit State(std::function<void()> onChange) : onChange(std::move(onChange)) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_DEVICECHANGE && msg->wParam == DBT_DEVNODES_CHANGED)
            onChange();
        return false;
    }
    std::function<void()> onChange;
};

PlugMonitor::PlugMonitor(std::function<void()> onChange) : state_(std::make_unique<State>(std::move(onChange)))
{
    QCoreApplication::instance()->installNativeEventFilter(state_.get());
}

#else

struct PlugMonitor::State {};

// No plug notices on this system: only the first search finds interfaces.
PlugMonitor::PlugMonitor(std::function<void()>) : state_(std::make_unique<State>()) {}

#endif

PlugMonitor::~PlugMonitor()
{
#if defined(_WIN32)
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(state_.get());
#endif
}

} // namespace dds
