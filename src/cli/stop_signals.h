#pragma once
#include <QObject>
#include <QTimer>

#include <functional>

namespace dds::cli {

// SIGINT and SIGTERM, turned from asynchronous signals into a flag the event loop reads: while
// one of these lives, the signals no longer end the process; `Requested` says one came, and
// `onSignal` runs on the event loop soon after.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void()> onSignal);
    ~StopSignals() override;
    bool Requested() const;

private:
    std::function<void()> onSignal_;
    QTimer watch_;
};

} // namespace dds::cli
