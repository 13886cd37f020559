#pragma once
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "scpi/message_splitter.h"
#include "scpi/session.h"

class QTcpServer;
class QTcpSocket;

namespace dds::scpi {

// The instrument on the network: SCPI over raw TCP, as lab software expects on port 5025. Several
// clients may be connected; their program messages run one at a time, in the order they arrived,
// and only from the event loop's own level: input that arrives while a message runs (a transfer
// keeps the loop turning) is buffered until that message has finished.
class ScpiServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        std::size_t clients = 32;                             // further connections are closed at once
        std::size_t message = MessageSplitter::kDefaultLimit; // a longer message is refused (-363)
        std::size_t queuedInput = std::size_t{4} << 20;       // a client's waiting messages; reading pauses
        std::size_t unreadOutput = std::size_t{4} << 20;      // a client that leaves more unread is closed
        // How long the loop looks for the next message without sleeping after an answer; none
        // when the program has one processor, which the client would need meanwhile.
        std::chrono::microseconds awake{100};
    };
    using SessionFactory = std::function<std::unique_ptr<Session>()>;

    // `mayExecute` says whether the front panel takes remote commands now (not during a transfer
    // the operator started, nor in draw mode); while it does not, messages wait and it is asked
    // again every `retryMilliseconds`.
    ScpiServer(SessionFactory makeSession, std::function<bool()> mayExecute, Limits limits, QObject* parent = nullptr);
    ScpiServer(SessionFactory makeSession, std::function<bool()> mayExecute, QObject* parent = nullptr)
        : ScpiServer(std::move(makeSession), std::move(mayExecute), Limits{}, parent)
    {
    }
    ~ScpiServer() override;

    // std::runtime_error naming the address and the system's reason when it cannot listen.
    void Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const;
    int ClientCount() const { return static_cast<int>(clients_.size()); }

    static constexpr int kRetryMilliseconds = 20;

signals:
    void clientCountChanged(int count);

private:
    struct Client {
        QPointer<QTcpSocket> socket;
        MessageSplitter splitter;
        std::deque<ArrivedMessage> messages;
        std::size_t queuedBytes = 0;
        std::unique_ptr<Session> session;
        bool closed = false;
    };

    void Accept();
    void ReadFrom(const std::shared_ptr<Client>& client);
    void Drop(const std::shared_ptr<Client>& client);
    void ScheduleRun();
    void RunNext();
    void Answer(Client& client, const std::string& response);
    void StayAwake();

    SessionFactory makeSession_;
    std::function<bool()> mayExecute_;
    Limits limits_;
    QTcpServer* server_;
    QTimer retry_;
    QTimer awake_; // a zero timer: while it runs, the loop polls instead of sleeping
    std::chrono::steady_clock::time_point awakeUntil_;
    std::vector<std::shared_ptr<Client>> clients_;
    std::deque<std::shared_ptr<Client>> arrivals_; // one entry per waiting message, oldest first
    std::vector<char> readBuffer_;                 // what one read takes from a socket, kept for the next
    bool running_ = false;
    bool scheduled_ = false;
};

} // namespace dds::scpi
