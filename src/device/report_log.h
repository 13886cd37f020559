#pragma once
#include "device/hid_backend.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace dds {

// Appends every output report written to a device to a file, one line of lowercase hex per
// report, flushed at once so that a watcher sees it immediately.
class ReportLog {
public:
    // std::runtime_error saying why when the file cannot be opened for appending.
    explicit ReportLog(const std::string& path);
    // A line that cannot be written is remembered, and nothing more is written after it, so that
    // the log never has a hole in the middle.
    void Append(const uint8_t* data, size_t length);
    // Why a line could not be written; empty while every line was.
    const std::string& Failure() const { return failure_; }

private:
    std::string path_;
    QFile file_;
    std::string failure_;
};

// Formats bytes as the log writes them: two lowercase hex digits each, no separators.
std::string HexLine(const uint8_t* data, size_t length);

// A backend that logs every report written through it to `log`, then behaves like `inner`.
std::shared_ptr<HidBackend> LoggingBackend(std::shared_ptr<HidBackend> inner, std::shared_ptr<ReportLog> log);

} // namespace dds
