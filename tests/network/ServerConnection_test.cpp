// The client side: handler registration and its errors, connect's checks, and dispatch of
// messages from a real server on 127.0.0.1.
#include "NetworkTestTypes.hpp"
#include "core/Error.hpp"
#include "network/MessageOut.hpp"
#include "network/NetworkTypes.hpp"
#include "network/ServerConnection.hpp"
#include "support/DebugLogCapture.hpp"
#include "support/Loopback.hpp"

#include <gtest/gtest.h>
#include <thread>

namespace tarvex::testing {
namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(ServerConnection, HandlersClaimingTheSameIdentifierRaiseNamingBoth) {
    ServerConnection connection;
    DebugLogCapture log;
    const auto first = std::make_shared<FirstHandler>();
    EXPECT_EQ(connection.registerHandler(first), 1);
    EXPECT_TRUE(log.contains("Handler added: 3"));
    EXPECT_TRUE(log.contains("Handler added: 5"));
    EXPECT_EQ(first->getConnection(), &connection);
    EXPECT_EQ(connection.registerHandler(first), 0) << "already registered";

    const auto second = std::make_shared<SecondHandler>();
    EXPECT_EQ(errorOf([&] { connection.registerHandler(second); }),
              "MessageHandler SecondHandler cannot handle message ID 3 - already handled by "
              "FirstHandler");
    EXPECT_EQ(connection.findMessageHandler(4), nullptr) << "a refused handler claims nothing";
    EXPECT_EQ(errorOf([&] { connection.registerHandler(std::make_shared<EmptyHandler>()); }),
              "MessageHandler EmptyHandler does not handle any messages");

    connection.UnRegisterHandler(first);
    EXPECT_EQ(connection.findMessageHandler(3), nullptr);
    EXPECT_EQ(connection.registerHandler(second), 1);
    EXPECT_EQ(connection.findMessageHandler(3), second.get());
}

TEST(ServerConnection, ConnectRefusesEmptyAddressesAndPortsOutOfRange) {
    ServerConnection connection;
    EXPECT_EQ(errorOf([&] { connection.connect("", 80, 1); }),
              "ServerConnection.Connect failed - invalid address ()");
    EXPECT_EQ(errorOf([&] { connection.connect("127.0.0.1", 0, 1); }),
              "ServerConnection.Connect failed - invalid port (0)");
    EXPECT_EQ(errorOf([&] { connection.connect("127.0.0.1", 32767, 1); }),
              "ServerConnection.Connect failed - invalid port (32767)");
    EXPECT_FALSE(connection.isConnected());
}

TEST(ServerConnection, ConnectAnswersZeroWhenNobodyListens) {
    auto server = std::make_shared<GameServer>();
    const int port = listenOnLoopbackBelow(*server);
    ASSERT_GT(port, 0) << "no free port below 32767";
    server->stopListening();
    ServerConnection connection;
    EXPECT_EQ(connection.connect("127.0.0.1", port, ServerConnection::CONNECTION_TYPE_TCP), 0);
    EXPECT_EQ(connection.connect("127.0.0.1", port, ServerConnection::CONNECTION_TYPE_BOTH), 0);
    EXPECT_FALSE(connection.isConnected());
    EXPECT_FALSE(connection.isMessageReady());
}

class ServerConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerNetworkTypes();
        server = std::make_shared<RecordingServer>();
        port = listenOnLoopbackBelow(*server);
        ASSERT_GT(port, 0) << "no free port below 32767";
        ASSERT_EQ(connection.connect("127.0.0.1", port, ServerConnection::CONNECTION_TYPE_TCP), 1);
        ASSERT_TRUE(processUntil(*server, [&] { return server->connected.size() == 1; }));
        EXPECT_TRUE(connection.isConnected());
        EXPECT_EQ(connection.getAddress(), "127.0.0.1");
    }
    void TearDown() override {
        connection.disconnect();
        server->stopListening();
    }

    // Dispatches until the handler has `count` messages, in bounded rounds.
    bool dispatchUntil(const FirstHandler& handler, std::size_t count) {
        for (int round = 0; round < 400 && handler.handled.size() < count; ++round) {
            connection.processMessages();
            if (handler.handled.size() < count) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
        return handler.handled.size() == count;
    }

    Ref<RecordingServer> server;
    int port = 0;
    ServerConnection connection;
};

TEST_F(ServerConnectionTest, MessagesReachTheHandlerOfTheirIdentifier) {
    const auto handler = std::make_shared<FirstHandler>();
    ASSERT_EQ(connection.registerHandler(handler), 1);
    for (const auto& [id, packed] : {std::pair{3, false}, {5, true}, {3, true}}) {
        auto message = MessageOut::Create(id, packed);
        message->WriteInt(id * 100);
        server->sendGlobalMessage(*message);
    }
    DebugLogCapture log;
    ASSERT_TRUE(dispatchUntil(*handler, 3));
    EXPECT_EQ(handler->handled[0]->getActionID(), 3);
    EXPECT_EQ(handler->handled[1]->getActionID(), 5);
    EXPECT_EQ(handler->handled[1]->ReadInt(0), 500);
    EXPECT_EQ(handler->handled[2]->ReadInt(0), 300);
    EXPECT_TRUE(log.contains("Received a message"));
}

TEST_F(ServerConnectionTest, UnhandledMessageIsReportedOnStandardOutputAndSkipped) {
    const auto handler = std::make_shared<FirstHandler>();
    ASSERT_EQ(connection.registerHandler(handler), 1);
    server->sendGlobalMessage(*MessageOut::Create(9, false));
    server->sendGlobalMessage(*MessageOut::Create(5, false));
    ::testing::internal::CaptureStdout();
    const bool handled = dispatchUntil(*handler, 1);
    const std::string output = ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(handled);
    EXPECT_EQ(output, "FUUUUU\nMessage ID: 9\nRegistered handlers:\n * FirstHandler\n [3, 5,  ]\n");
}

TEST_F(ServerConnectionTest, MessageWithABrokenPackedBodyIsSkipped) {
    const auto handler = std::make_shared<FirstHandler>();
    ASSERT_EQ(connection.registerHandler(handler), 1);
    auto broken = MessageOut::Create(3, true);
    broken->WriteString("this body will not unpack");
    auto bytes = broken->toBuffer();
    bytes[GameMessage::HEADER_SIZE + 2] ^= 0xFF;
    auto good = MessageOut::Create(5, false);
    good->WriteInt(55);
    const auto goodBytes = good->toBuffer();
    bytes.insert(bytes.end(), goodBytes.begin(), goodBytes.end());
    ASSERT_EQ(server->getConnectedClients().front()->getSocket()->send(bytes), bytes.size());

    ASSERT_TRUE(dispatchUntil(*handler, 1));
    EXPECT_EQ(handler->handled.front()->ReadInt(0), 55);
    EXPECT_TRUE(connection.isConnected()) << "the stream itself is still in step";
}

TEST_F(ServerConnectionTest, UntrustedHeaderFromTheServerEndsTheConnection) {
    const auto handler = std::make_shared<FirstHandler>();
    ASSERT_EQ(connection.registerHandler(handler), 1);
    auto bytes = MessageOut::Create(3, false)->toBuffer();
    writeLittleInt(std::span(bytes).subspan(9), -7);
    ASSERT_EQ(server->getConnectedClients().front()->getSocket()->send(bytes), bytes.size());
    bool connected = true;
    for (int round = 0; round < 400 && connected; ++round) {
        connection.processMessages();
        connected = connection.isConnected();
        if (connected) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_FALSE(connected);
    EXPECT_TRUE(handler->handled.empty());
}

TEST_F(ServerConnectionTest, ServerGoingAwayEndsTheConnection) {
    server->stopListening();
    bool connected = true;
    for (int round = 0; round < 400 && connected; ++round) {
        connected = connection.isConnected();
        if (connected) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_FALSE(connected);
}

} // namespace
} // namespace tarvex::testing
