// A TCP server that accepts clients and reads whole messages from them. A subclass decides
// what a message means by overriding processMessage(); GameServer is the one that does
// nothing with them.
//
//     auto server = std::make_shared<ChatServer>();    // overrides processMessage
//     server->startListening(4000);
//     while (running) {
//         server->process(10);                          // accepts, reads, for 10 ms
//     }
//     server->stopListening();
//
// Each message passed on is one whole game message, header and body as received. Clients come
// and go with the platform events EVENT_CLIENT_CONNECTED and EVENT_CLIENT_DISCONNECTED (the
// server as source, the client's IPv4 address as data) and the calls onConnect/onDisconnect.
// A client that closes, closes in the middle of a message or sends a header not to be trusted
// is dropped; the others carry on. Everything runs on the caller's thread.
#pragma once

#include "network/BaseGameClient.hpp"

#include <vector>

namespace tarvex {

class BaseGameServer : public Object {
    TARVEX_OBJECT(BaseGameServer, Object)
public:
    static constexpr std::int32_t SERVER_TYPE_TCP = 1;
    static constexpr std::int32_t SERVER_TYPE_UDP = 2;
    static constexpr std::int32_t EVENT_CLIENT_CONNECTED = 1919156225;
    static constexpr std::int32_t EVENT_CLIENT_DISCONNECTED = 1919156226;

    BaseGameServer() = default;

    [[nodiscard]] static Ref<BaseGameServer> Create(std::int32_t type);

    // The address to listen on; any address unless set (tests listen on loopback only).
    void setBindAddress(std::uint32_t address) { _bindAddress = address; }
    // Raises "Could not create socket" or "Could not bind socket (<port>)"; answers 1. Port 0
    // lets the system choose; getPortNumber() tells which it chose.
    int startListening(std::int32_t port);
    // Accepts clients and handles their messages until more than `timeoutMs` have passed.
    // Between rounds it sleeps until a socket has something to read, so messages are handled
    // as they arrive rather than once per timeout.
    void process(std::int32_t timeoutMs);
    // Accepts one pending connection, waiting at most `timeoutMs`.
    void handleIncomingClients(std::int32_t timeoutMs);
    // Drops the first client found disconnected (and stops there); passes every whole message
    // that has arrived from the others to processMessage.
    void handleConnectedClients();
    // Raises "Needs overriding".
    virtual void processMessage(const Ref<BaseGameClient>& client,
                                const Ref<BaseGameMessage>& message);
    virtual void onConnect(const Ref<BaseGameClient>& /*client*/) {}
    virtual void onDisconnect(const Ref<BaseGameClient>& /*client*/) {}
    void removeClient(const Ref<BaseGameClient>& client);
    // Sends the message to every client in order.
    void sendGlobalData(BaseGameMessage& message);
    // Disconnects every client, then closes the server socket.
    void stopListening();

    [[nodiscard]] std::int32_t getPortNumber() const;
    [[nodiscard]] std::int32_t countConnectedClients() const {
        return static_cast<std::int32_t>(_clients.size());
    }
    [[nodiscard]] const std::vector<Ref<BaseGameClient>>& getConnectedClients() const {
        return _clients;
    }

protected:
    void _emit(std::int32_t eventId, const BaseGameClient& client);

    std::int32_t _serverType = SERVER_TYPE_TCP;
    Ref<platform::Socket> _serverSocket;
    std::vector<Ref<BaseGameClient>> _clients;
    std::uint32_t _bindAddress = platform::Socket::ANY_ADDRESS;
};

} // namespace tarvex
