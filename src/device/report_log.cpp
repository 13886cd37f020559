#include "device/report_log.h"

#include <QFileInfo>

#include <stdexcept>

namespace dds {

namespace {

class LoggingHandle : public HidHandle {
public:
    LoggingHandle(std::unique_ptr<HidHandle> inner, std::shared_ptr<ReportLog> log)
        : inner_(std::move(inner)), log_(std::move(log))
    {
    }

    int write(const uint8_t* data, size_t length) override
    {
        const int written = inner_->write(data, length);
        if (written >= 0)
            log_->Append(data, length);
        return written;
    }
    int read(uint8_t* buffer, size_t length, int timeoutMs) override { return inner_->read(buffer, length, timeoutMs); }
    void interruptRead() override { inner_->interruptRead(); }
    uint32_t lastError() const override { return inner_->lastError(); }

private:
    std::unique_ptr<HidHandle> inner_;
    std::shared_ptr<ReportLog> log_;
};

class LoggingHidBackend : public HidBackend {
public:
    LoggingHidBackend(std::shared_ptr<HidBackend> inner, std::shared_ptr<ReportLog> log)
        : inner_(std::move(inner)), log_(std::move(log))
    {
    }

    std::vector<HidInterfaceInfo> enumerate() override { return inner_->enumerate(); }
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override
    {
        auto handle = inner_->open(path, access);
        return handle ? std::make_unique<LoggingHandle>(std::move(handle), log_) : nullptr;
    }
    void watchChanges(std::function<void()> onChange) override { inner_->watchChanges(std::move(onChange)); }

private:
    std::shared_ptr<HidBackend> inner_;
    std::shared_ptr<ReportLog> log_;
};

} // namespace

std::string HexLine(const uint8_t* data, size_t length)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string line;
    line.reserve(2 * length);
    for (size_t i = 0; i < length; ++i) {
        line += kDigits[data[i] >> 4];
        line += kDigits[data[i] & 0xF];
    }
    return line;
}

ReportLog::ReportLog(const std::string& path) : path_(path), file_(QString::fromStdString(path))
{
    if (path.empty())
        throw std::runtime_error("the report log needs a file name");
    const QFileInfo target(file_);
    if (target.isDir())
        throw std::runtime_error("cannot open the report log " + path + ": it is a folder");
    // Binary: every system gets the same bytes, one LF per line. A device or a FIFO has no end to
    // append at.
    const bool special = target.exists() && !target.isFile();
    if (!file_.open(special ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Append))
        throw std::runtime_error("cannot open the report log " + path + ": " + file_.errorString().toStdString());
}

void ReportLog::Append(const uint8_t* data, size_t length)
{
    if (!failure_.empty())
        return;
    const std::string line = HexLine(data, length) + '\n';
    const auto size = static_cast<qint64>(line.size());
    if (file_.write(line.data(), size) != size || !file_.flush())
        failure_ = "cannot write the report log " + path_ + ": " + file_.errorString().toStdString()
                   + "; it holds only the reports before that one";
}

std::shared_ptr<HidBackend> LoggingBackend(std::shared_ptr<HidBackend> inner, std::shared_ptr<ReportLog> log)
{
    return std::make_shared<LoggingHidBackend>(std::move(inner), std::move(log));
}

} // namespace dds
