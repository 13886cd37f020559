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

    // False when udev cannot be reached (some containers have no netlink socket for it).
    bool watch(const std::function<void()>& onChange)
    {
        context = udev_new();
        if (!context)
            return false;
        // The "udev" group announces an interface only after its rules (and permissions) are applied.
        monitor = udev_monitor_new_from_netlink(context, "udev");
        if (!monitor)
            return false;
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
        if (udev_monitor_enable_receiving(monitor) < 0)
            return false;
        notifier = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor), QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [watched = monitor, onChange] {
            if (udev_device* device = udev_monitor_receive_device(watched))
                udev_device_unref(device);
            onChange();
        });
        return true;
    }
};

PlugMonitor::PlugMonitor(std::function<void()> onChange, PlugPolling::PathLister listPaths)
    : state_(std::make_unique<State>())
{
    if (!state_->watch(onChange))
        polling_ = std::make_unique<PlugPolling>(std::move(listPaths), std::move(onChange));
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

PlugMonitor::PlugMonitor(std::function<void()> onChange, PlugPolling::PathLister)
    : state_(std::make_unique<State>(std::move(onChange)))
{
    QCoreApplication::instance()->installNativeEventFilter(state_.get());
}

#else

struct PlugMonitor::State {};

// No plug notices on this system: the paths are compared every second.
PlugMonitor::PlugMonitor(std::function<void()> onChange, PlugPolling::PathLister listPaths)
    : state_(std::make_unique<State>()),
      polling_(std::make_unique<PlugPolling>(std::move(listPaths), std::move(onChange)))
{
}

#endif

PlugMonitor::~PlugMonitor()
{
#if defined(_WIN32)
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(state_.get());
#endif
}

} // namespace dds
