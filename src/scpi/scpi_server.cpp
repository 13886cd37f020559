#include "scpi/scpi_server.h"

#include "scpi/socket_write.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <stdexcept>

namespace dds::scpi {
namespace {
// How much one read takes from a socket; Qt itself holds no more than this per client.
constexpr qint64 kReadChunk = 64 * 1024;
} // namespace

ScpiServer::ScpiServer(SessionFactory makeSession, std::function<bool()> mayExecute, Limits limits, QObject* parent)
    : QObject(parent), makeSession_(std::move(makeSession)), mayExecute_(std::move(mayExecute)), limits_(limits),
      server_(new QTcpServer(this)), readBuffer_(kReadChunk)
{
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMilliseconds);
    connect(&retry_, &QTimer::timeout, this, &ScpiServer::ScheduleRun);
    if (QThread::idealThreadCount() < 2)
        limits_.awake = {};
    connect(&awake_, &QTimer::timeout, this, [this] {
        if (std::chrono::steady_clock::now() >= awakeUntil_)
            awake_.stop();
    });
    connect(server_, &QTcpServer::newConnection, this, &ScpiServer::Accept);
}

ScpiServer::~ScpiServer()
{
    for (const auto& client : clients_)
        if (client->socket)
            client->socket->disconnect(this);
}

void ScpiServer::Listen(const QHostAddress& address, quint16 port)
{
    if (!server_->listen(address, port))
        throw std::runtime_error("cannot listen on " + address.toString().toStdString() + ":" + std::to_string(port)
                                 + ": " + server_->errorString().toStdString());
}

quint16 ScpiServer::Port() const
{
    return server_->serverPort();
}

void ScpiServer::Accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        if (clients_.size() >= limits_.clients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto client = std::make_shared<Client>();
        client->socket = socket;
        client->splitter = MessageSplitter(limits_.message);
        client->session = makeSession_();
        socket->setReadBufferSize(kReadChunk);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        clients_.push_back(client);
        std::weak_ptr<Client> weak = client;
        connect(socket, &QTcpSocket::readyRead, this, [this, weak] {
            if (const auto c = weak.lock()) {
                ReadFrom(c);
                RunNext(); // at once when nothing runs: a round trip costs no extra turn of the loop
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, weak] {
            if (const auto c = weak.lock())
                Drop(c);
        });
        emit clientCountChanged(ClientCount());
        ReadFrom(client); // bytes may have come with the connection
        ScheduleRun();
    }
}

void ScpiServer::ReadFrom(const std::shared_ptr<Client>& client)
{
    QTcpSocket* socket = client->socket;
    while (socket && !client->closed && client->queuedBytes < limits_.queuedInput && socket->bytesAvailable() > 0) {
        const qint64 got = socket->read(readBuffer_.data(), kReadChunk);
        if (got <= 0)
            break;
        std::string_view rest(readBuffer_.data(), static_cast<std::size_t>(got));
        while (!rest.empty()) {
            rest.remove_prefix(client->splitter.Feed(rest));
            if (auto message = client->splitter.Take()) {
                client->queuedBytes += message->bytes.size();
                client->messages.push_back(std::move(*message));
                arrivals_.push_back(client);
            }
        }
    }
}

void ScpiServer::Drop(const std::shared_ptr<Client>& client)
{
    if (client->closed)
        return;
    client->closed = true; // its waiting messages are passed over; a running one finishes unanswered
    client->messages.clear();
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
    if (client->socket) {
        client->socket->disconnect(this);
        client->socket->deleteLater();
    }
    emit clientCountChanged(ClientCount());
}

void ScpiServer::ScheduleRun()
{
    if (scheduled_ || running_ || arrivals_.empty())
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        RunNext();
    });
}

void ScpiServer::RunNext()
{
    while (!arrivals_.empty() && arrivals_.front()->closed)
        arrivals_.pop_front();
    if (running_ || arrivals_.empty())
        return;
    // A modal box's own event loop is a wait too: messages run only on the program's main loop.
    if (QThread::currentThread()->loopLevel() > 1 || !mayExecute_()) {
        retry_.start();
        return;
    }
    const std::shared_ptr<Client> client = arrivals_.front();
    arrivals_.pop_front();
    const ArrivedMessage message = std::move(client->messages.front());
    client->messages.pop_front();
    client->queuedBytes -= message.bytes.size();
    running_ = true;
    const std::string response = client->session->Execute(message);
    running_ = false;
    if (!client->closed) {
        Answer(*client, response);
        ReadFrom(client); // reading may have paused while its queue was full
    }
    StayAwake();
    ScheduleRun();
}

// A client that asks again at once finds the loop awake: waking a sleeping processor for its next
// message costs more than the message itself (several times more on a virtual machine).
void ScpiServer::StayAwake()
{
    if (limits_.awake.count() <= 0)
        return;
    awakeUntil_ = std::chrono::steady_clock::now() + limits_.awake;
    if (!awake_.isActive())
        awake_.start(0);
}

void ScpiServer::Answer(Client& client, const std::string& response)
{
    if (response.empty() || !client.socket)
        return;
    WriteNow(*client.socket, response);
    if (static_cast<std::size_t>(client.socket->bytesToWrite()) > limits_.unreadOutput)
        client.socket->abort(); // it does not read its answers: closing it keeps the others served
}

} // namespace dds::scpi
