// A real server and real clients on 127.0.0.1: whole messages whatever the pieces they are
// sent in, clients coming and going, and peers that break the protocol.
#include "NetworkTestTypes.hpp"
#include "core/Error.hpp"
#include "network/GameClient.hpp"
#include "network/MessageOut.hpp"
#include "support/Loopback.hpp"

#include <gtest/gtest.h>
#include <thread>

namespace tarvex::testing {
namespace {

ByteBuffer numbered(std::int32_t action, std::int32_t value, bool packed = false) {
    auto message = MessageOut::Create(action, packed);
    message->WriteInt(value);
    message->WriteString("some words to carry along");
    return message->toBuffer();
}

class BaseGameServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_shared<RecordingServer>();
        port = listenOnLoopback(*server);
        ASSERT_GT(port, 0);
    }
    void TearDown() override { server->stopListening(); }

    // A client connected and accepted by the server.
    Ref<platform::Socket> accepted() {
        auto socket = connectLoopback(port);
        const auto before = server->connected.size();
        EXPECT_TRUE(processUntil(*server, [&] { return server->connected.size() > before; }));
        return socket;
    }
    [[nodiscard]] const std::vector<Ref<MessageIn>>& from(std::size_t client) {
        return server->received[server->connected.at(client).get()];
    }

    Ref<RecordingServer> server;
    int port = 0;
};

TEST_F(BaseGameServerTest, EveryClientsMessagesArriveWholeAndInOrder) {
    EventRecorder events;
    std::vector<Ref<platform::Socket>> sockets;
    for (int i = 0; i < 3; ++i) {
        sockets.push_back(accepted());
    }
    for (int n = 0; n < 10; ++n) {
        for (std::size_t i = 0; i < sockets.size(); ++i) {
            ASSERT_EQ(sockets[i]->send(numbered(static_cast<std::int32_t>(i), n, n % 3 == 0)),
                      numbered(static_cast<std::int32_t>(i), n, n % 3 == 0).size());
        }
    }
    ASSERT_TRUE(processUntil(*server, [&] { return server->total() == 30; }));
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        ASSERT_EQ(from(i).size(), 10U);
        for (int n = 0; n < 10; ++n) {
            EXPECT_EQ(from(i)[static_cast<std::size_t>(n)]->getActionID(), static_cast<int>(i));
            EXPECT_EQ(from(i)[static_cast<std::size_t>(n)]->ReadInt(0), n);
        }
    }
    EXPECT_EQ(server->refused, 0);
    ASSERT_EQ(events.events.size(), 3U);
    for (const auto& event : events.events) {
        EXPECT_EQ(event.id, BaseGameServer::EVENT_CLIENT_CONNECTED);
        EXPECT_EQ(event.source, server.get());
        EXPECT_EQ(static_cast<std::uint32_t>(event.data), platform::Socket::LOOPBACK);
    }
    EXPECT_EQ(server->countConnectedClients(), 3);
}

TEST_F(BaseGameServerTest, MessageWrittenOneByteAtATimeArrivesOnceWhole) {
    auto socket = accepted();
    socket->setNoDelay(true);
    const auto bytes = numbered(9, 1234, true);
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        ASSERT_EQ(socket->send(std::span(bytes).subspan(i, 1)), 1U);
        server->process(1);
        ASSERT_EQ(server->total(), 0U) << "a part was taken for a message after " << i + 1;
    }
    ASSERT_EQ(socket->send(std::span(bytes).last(1)), 1U);
    ASSERT_TRUE(processUntil(*server, [&] { return server->total() == 1; }));
    EXPECT_EQ(from(0).front()->ReadInt(0), 1234);
    EXPECT_EQ(server->countConnectedClients(), 1);
}

TEST_F(BaseGameServerTest, DepartingClientIsDroppedAfterItsMessagesAndOthersCarryOn) {
    EventRecorder events;
    auto leaving = accepted();
    auto staying = accepted();
    (void)leaving->send(numbered(1, 1));
    (void)leaving->send(numbered(1, 2));
    leaving->close();
    ASSERT_TRUE(processUntil(*server, [&] { return server->disconnected.size() == 1; }));
    EXPECT_EQ(server->disconnected.front(), server->connected.front());
    EXPECT_EQ(from(0).size(), 2U) << "messages sent before closing still count";
    EXPECT_EQ(server->countConnectedClients(), 1);
    EXPECT_EQ(events.events.back().id, BaseGameServer::EVENT_CLIENT_DISCONNECTED);

    (void)staying->send(numbered(2, 3));
    ASSERT_TRUE(processUntil(*server, [&] { return from(1).size() == 1; }));
    EXPECT_EQ(from(1).front()->ReadInt(0), 3);
}

TEST_F(BaseGameServerTest, PeerClosingMidMessageIsDroppedWithoutAMessage) {
    auto broken = accepted();
    auto other = accepted();
    const auto bytes = numbered(1, 5);
    (void)broken->send(std::span(bytes).first(bytes.size() - 4));
    server->process(5);
    broken->close();
    (void)other->send(numbered(2, 6));
    ASSERT_TRUE(processUntil(
        *server, [&] { return server->disconnected.size() == 1 && server->total() == 1; }));
    EXPECT_EQ(server->disconnected.front(), server->connected.front());
    EXPECT_TRUE(from(0).empty());
    EXPECT_EQ(from(1).size(), 1U);
}

TEST_F(BaseGameServerTest, UntrustedHeaderDropsOnlyThatClient) {
    auto hostile = accepted();
    auto other = accepted();
    auto bytes = numbered(1, 1);
    writeLittleInt(std::span(bytes).subspan(5), -1); // a negative size
    (void)hostile->send(bytes);
    (void)other->send(numbered(2, 2));
    ASSERT_TRUE(processUntil(
        *server, [&] { return server->disconnected.size() == 1 && server->total() == 1; }));
    EXPECT_EQ(server->disconnected.front(), server->connected.front());
    // The server closed its end: the hostile peer sees the end of the stream.
    EXPECT_TRUE(hostile->waitReadable(2000));
    EXPECT_FALSE(hostile->isConnected());

    (void)other->send(numbered(2, 3));
    ASSERT_TRUE(processUntil(*server, [&] { return from(1).size() == 2; }));
}

TEST_F(BaseGameServerTest, HugeDeclaredBodyDropsTheClientWithoutWaitingForIt) {
    auto hostile = accepted();
    auto bytes = numbered(1, 1, true);
    writeLittleInt(std::span(bytes).subspan(5), 0x7FFFFFF0);
    (void)hostile->send(std::span(bytes).first(GameMessage::HEADER_SIZE));
    ASSERT_TRUE(processUntil(*server, [&] { return server->disconnected.size() == 1; }));
    EXPECT_EQ(server->total(), 0U);
}

TEST_F(BaseGameServerTest, SendGlobalMessageReachesEveryClient) {
    std::vector<Ref<GameClient>> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(GameClient::Create(accepted()));
    }
    auto message = MessageOut::Create(12, true);
    message->WriteString("to all");
    EXPECT_EQ(server->sendGlobalMessage(*message), 3);
    for (const auto& client : clients) {
        Ref<MessageIn> got;
        for (int round = 0; round < 400 && !got; ++round) {
            got = client->GetWaitingMessage();
            if (!got) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(got->getActionID(), 12);
        EXPECT_EQ(got->ReadString(0, -1), "to all");
        EXPECT_EQ(client->RemoteIp(), static_cast<std::int32_t>(platform::Socket::LOOPBACK));
    }
}

TEST(BaseGameServer, BaseClassRaisesForMessagesItCannotProcess) {
    auto server = BaseGameServer::Create(BaseGameServer::SERVER_TYPE_TCP);
    const int port = listenOnLoopback(*server);
    auto socket = connectLoopback(port);
    ASSERT_NE(socket, nullptr);
    (void)socket->send(numbered(1, 1));
    try {
        for (int round = 0; round < 400; ++round) {
            server->process(5);
        }
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Needs overriding");
    }
    server->stopListening();
}

TEST(BaseGameServer, PortInUseRaisesTheBindError) {
    auto first = std::make_shared<GameServer>();
    const int port = listenOnLoopback(*first);
    auto second = std::make_shared<GameServer>();
    second->setBindAddress(platform::Socket::LOOPBACK);
    try {
        second->startListening(port);
        FAIL() << "bound a port already listened on";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Could not bind socket (" + std::to_string(port) + ")");
    }
    first->stopListening();
}

// Many clients on their own threads, sending at once; the server on this one. Every message
// must arrive exactly once and in order per client. (bench/network measures the full-size run.)
TEST(BaseGameServer, ConcurrentClientsEachDeliverEveryMessageOnceInOrder) {
    constexpr int CLIENTS = 20;
    constexpr int MESSAGES = 250;
    auto server = std::make_shared<RecordingServer>();
    const int port = listenOnLoopback(*server);

    std::vector<Ref<platform::Socket>> sockets;
    for (int i = 0; i < CLIENTS; ++i) {
        sockets.push_back(connectLoopback(port));
        ASSERT_NE(sockets.back(), nullptr);
    }
    std::vector<std::thread> senders;
    std::vector<int> sent(CLIENTS, 0);
    for (int i = 0; i < CLIENTS; ++i) {
        senders.emplace_back([&, i] {
            auto client = GameClient::Create(sockets[static_cast<std::size_t>(i)]);
            for (int n = 0; n < MESSAGES; ++n) {
                auto message = MessageOut::Create(i, n % 10 == 0);
                message->WriteInt(n);
                message->WriteString("load");
                if (client->Send(*message)) {
                    ++sent[static_cast<std::size_t>(i)];
                }
            }
        });
    }
    const bool all = processUntil(
        *server, [&] { return server->total() == std::size_t{CLIENTS} * MESSAGES; }, 20000,
        std::chrono::seconds(60));
    for (auto& sender : senders) {
        sender.join();
    }
    ASSERT_TRUE(all) << server->total() << " messages arrived";
    EXPECT_EQ(server->refused, 0);
    ASSERT_EQ(server->received.size(), std::size_t{CLIENTS});
    for (const auto& [client, messages] : server->received) {
        const std::int32_t id = messages.front()->getActionID();
        EXPECT_EQ(sent[static_cast<std::size_t>(id)], MESSAGES);
        for (std::size_t n = 0; n < messages.size(); ++n) {
            ASSERT_EQ(messages[n]->getActionID(), id) << "messages of two clients mixed";
            ASSERT_EQ(messages[n]->ReadInt(0), static_cast<std::int32_t>(n));
        }
    }
    server->stopListening();
}

} // namespace
} // namespace tarvex::testing
