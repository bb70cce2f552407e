// The client side of the game protocol: connects to a server, reads the game messages that
// arrive and passes each to the handler registered for its action identifier.
//
//     ServerConnection connection;
//     connection.registerHandler(std::make_shared<ChatHandler>());
//     if (connection.connect("127.0.0.1", 4000, ServerConnection::CONNECTION_TYPE_TCP)) {
//         connection.processMessages();     // each frame: handles what has arrived whole
//     }
//
// A message for which no handler is registered is reported on standard output, with the
// handlers that are registered, and skipped. Everything runs on the caller's thread.
#pragma once

#include "network/GameClient.hpp"
#include "network/MessageHandler.hpp"

#include <map>
#include <string>
#include <vector>

namespace tarvex {

class ServerConnection : public Object {
    TARVEX_OBJECT(ServerConnection, Object)
public:
    static constexpr std::int32_t CONNECTION_TYPE_TCP = 1;
    static constexpr std::int32_t CONNECTION_TYPE_UDP = 2;
    static constexpr std::int32_t CONNECTION_TYPE_BOTH = 3;

    ServerConnection() = default;
    ~ServerConnection() override;
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    // Raises "ServerConnection.Connect failed - invalid address (<address>)" for an address
    // that is empty or does not resolve, and "... - invalid port (<port>)" for a port outside
    // 1 to 32766. Answers 1 when connected, 0 when the connection could not be made (and for
    // CONNECTION_TYPE_BOTH, which opens nothing).
    int connect(const std::string& address, std::int32_t port, std::int32_t type);
    void disconnect();
    [[nodiscard]] bool isConnected();
    // A whole message has arrived.
    [[nodiscard]] bool isMessageReady();

    // 0 when the handler is registered already; raises when it lists no identifier or one
    // that another handler owns; otherwise 1.
    int registerHandler(const Ref<MessageHandler>& handler);
    void UnRegisterHandler(const Ref<MessageHandler>& handler);

    // The next whole message; null when none has arrived or it was refused.
    [[nodiscard]] Ref<MessageIn> getNextMessage();
    [[nodiscard]] MessageHandler* findMessageHandler(std::int32_t id) const;

    void processMessages() { dispatchMessages(); }
    void Flush() { dispatchMessages(); }
    // Hands every whole message that has arrived to its handler.
    void dispatchMessages();

    [[nodiscard]] const std::string& getAddress() const { return _address; }
    [[nodiscard]] std::int32_t getPort() const { return _port; }

private:
    void _reportUnhandled(std::int32_t id) const;

    std::string _address;
    std::int32_t _port = 0;
    Ref<platform::Socket> _socket;
    Ref<GameClient> _client;
    std::vector<Ref<MessageHandler>> m_MessageHandlers;
    std::map<std::string, MessageHandler*> m_MessageLookup; // decimal id -> a listed handler
};

} // namespace tarvex
