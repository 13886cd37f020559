#pragma once
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace dds {

// Plug notices where the system gives none (or its notice service is unavailable): the list of
// interface paths is taken again at every tick, and `onChange` runs on the UI thread only when
// that list differs from the previous one, so the interfaces themselves are not opened each time.
class PlugPolling {
public:
    using PathLister = std::function<std::vector<std::string>()>;
    static constexpr std::chrono::milliseconds kInterval{1000};

    PlugPolling(PathLister listPaths, std::function<void()> onChange,
                std::chrono::milliseconds interval = kInterval);
    PlugPolling(const PlugPolling&) = delete;
    PlugPolling& operator=(const PlugPolling&) = delete;

private:
    void poll();

    PathLister listPaths_;
    std::function<void()> onChange_;
    std::vector<std::string> known_;
    QTimer timer_;
};

} // namespace dds
