#include "device/plug_polling.h"

#include <algorithm>

namespace dds {

namespace {

std::vector<std::string> Sorted(std::vector<std::string> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

PlugPolling::PlugPolling(PathLister listPaths, std::function<void()> onChange, std::chrono::milliseconds interval)
    : listPaths_(std::move(listPaths)), onChange_(std::move(onChange)), known_(Sorted(listPaths_()))
{
    timer_.setInterval(interval);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

void PlugPolling::poll()
{
    std::vector<std::string> now = Sorted(listPaths_());
    if (now == known_)
        return;
    known_ = std::move(now);
    onChange_();
}

} // namespace dds
