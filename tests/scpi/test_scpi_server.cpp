#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scpi/command_call.h"
#include "scpi/scpi_server.h"
#include "scpi/socket_write.h"
#include "scpi/status_commands.h"

namespace {

using namespace dds::scpi;

// A server whose one command, `WORK n`, runs a nested event loop for n ms, as a transfer does,
// and records the order in which messages ran.
struct ServerFixture {
    CommandTree tree;
    std::vector<std::string> ran;
    bool panelFree = true;
    std::function<void()> onWork; // runs as a message starts working
    ScpiServer server{[this] { return std::make_unique<Session>(tree, [](Session&) {}); }, [this] { return panelFree; },
                      ScpiServer::Limits{8, 4096, 8192, 1 << 20}};

    ServerFixture()
    {
        AddStatusCommands(tree);
        tree.Add("WORK", [this](CommandCall& c) {
            const int ms = c.Integer(0, 0, 1000);
            ran.push_back("start " + std::to_string(ms));
            if (onWork)
                onWork();
            Spin(ms);
            ran.push_back("end " + std::to_string(ms));
        });
        tree.Add("NOTE?", [this](CommandCall& c) {
            ran.push_back("note");
            c.Respond(std::to_string(ran.size()));
        });
        server.Listen(QHostAddress::LocalHost, 0);
    }
    std::unique_ptr<QTcpSocket> Connect()
    {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server.Port());
        EXPECT_TRUE(WaitFor([&] { return socket->state() == QAbstractSocket::ConnectedState; }));
        return socket;
    }
    static void Spin(int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    template <typename Condition>
    static bool WaitFor(Condition done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return done();
    }
    static std::string ReadLine(QTcpSocket& socket)
    {
        WaitFor([&] { return socket.canReadLine(); });
        return socket.readLine().toStdString();
    }
};

TEST(ScpiServer, RunsMessagesOneAtATimeInArrivalOrderNeverInsideAWait)
{
    ServerFixture f;
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int i = 0; i < 8; ++i)
        clients.push_back(f.Connect());
    ASSERT_TRUE(ServerFixture::WaitFor([&] { return f.server.ClientCount() == 8; }));
    f.onWork = [&] { // the others' messages arrive while the first one is inside its wait
        for (int i = 1; i < 8; ++i) {
            clients[i]->write("NOTE?\n");
            clients[i]->flush();
            ServerFixture::Spin(20);
        }
    };
    clients[0]->write("WORK 100\n");
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(ServerFixture::ReadLine(*clients[i]), std::to_string(i + 2) + "\n");
    ASSERT_EQ(f.ran.size(), 9u);
    EXPECT_EQ(f.ran[1], "end 100"); // every note waited for the running message
}

TEST(ScpiServer, HoldsMessagesWhileThePanelIsBusy)
{
    ServerFixture f;
    f.panelFree = false;
    const auto client = f.Connect();
    client->write("NOTE?\n");
    ServerFixture::Spin(200);
    EXPECT_TRUE(f.ran.empty());
    f.panelFree = true;
    EXPECT_EQ(ServerFixture::ReadLine(*client), "1\n");
}

TEST(ScpiServer, SleepsAgainSoonAfterItsLastAnswer)
{
    ServerFixture f;
    const auto client = f.Connect();
    client->write("NOTE?\n");
    EXPECT_EQ(ServerFixture::ReadLine(*client), "1\n");
    // After an answer the loop looks for the next message without sleeping, for a moment only.
    int passes = 0;
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &loop, [&] { ++passes; });
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_LT(passes, 50); // thousands when it never sleeps
}

TEST(ScpiServer, BadInputGetsItsErrorOrTheConnectionClosedAndOthersAreServed)
{
    ServerFixture f;
    const auto steady = f.Connect();
    {
        const auto vanishing = f.Connect();
        vanishing->write("WORK #3100half a block");
        vanishing->flush();
    }
    const auto garbage = f.Connect();
    garbage->write(QByteArray("\x01\xfe\x80 \xff\n", 6) + QByteArray(5000, 'x') + "\nSYST:ERR?;ERR?;ERR?\n");
    EXPECT_EQ(ServerFixture::ReadLine(*garbage),
              "-101,\"Invalid character\";-363,\"Input buffer overrun\";0,\"No error\"\n");
    for (int i = 0; i < 200; ++i)
        f.Connect()->abort();
    steady->write("NOTE?\n");
    EXPECT_EQ(ServerFixture::ReadLine(*steady), "1\n");
    EXPECT_TRUE(ServerFixture::WaitFor([&] { return f.server.ClientCount() == 2; }));
}

TEST(SocketWrite, WhatTheSystemDoesNotTakeAtOnceFollowsWholeAndAheadOfTheNextAnswer)
{
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, listener.serverPort());
    ASSERT_TRUE(ServerFixture::WaitFor([&] { return listener.hasPendingConnections(); }));
    const std::unique_ptr<QTcpSocket> answering(listener.nextPendingConnection());
    // The system takes about 4 MB from a fresh loopback connection: the rest of the first answer
    // waits. The client then makes room, and the second answer must still wait behind the first.
    const std::size_t kLarge = 12 << 20;
    WriteNow(*answering, std::string(kLarge, 'a'));
    ASSERT_TRUE(client.waitForReadyRead(10000));
    WriteNow(*answering, "b\n");
    std::string received;
    ServerFixture::WaitFor([&] {
        received += client.readAll().toStdString();
        return received.size() >= kLarge + 2;
    });
    ASSERT_EQ(received.size(), kLarge + 2);
    EXPECT_EQ(received.find_first_not_of('a'), kLarge);
    EXPECT_EQ(received.substr(kLarge), "b\n");
}

} // namespace
