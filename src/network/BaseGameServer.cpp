#include "network/BaseGameServer.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/PlatformEvent.hpp"

#include <algorithm>
#include <chrono>

namespace tarvex {

const Type& BaseGameServer::staticType() {
    static const Type& type = TypeBuilder<BaseGameServer>("BaseGameServer")
                                  .field("_serverType", &BaseGameServer::_serverType)
                                  .field("_serverSocket", &BaseGameServer::_serverSocket)
                                  .field("_clients", &BaseGameServer::_clients)
                                  .build();
    return type;
}

Ref<BaseGameServer> BaseGameServer::Create(std::int32_t type) {
    auto server = std::make_shared<BaseGameServer>();
    server->_serverType = type;
    return server;
}

int BaseGameServer::startListening(std::int32_t port) {
    _serverSocket = _serverType == SERVER_TYPE_UDP ? platform::Socket::createUdp()
                                                   : platform::Socket::createTcp();
    if (!_serverSocket) {
        throw Error("Could not create socket");
    }
    if (!_serverSocket->bind(_bindAddress, port)) {
        _serverSocket = nullptr;
        throw Error("Could not bind socket (" + std::to_string(port) + ")");
    }
    if (_serverType != SERVER_TYPE_UDP) {
        (void)_serverSocket->listen(0);
    }
    return 1;
}

void BaseGameServer::process(std::int32_t timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto limit = std::chrono::milliseconds(std::max(0, timeoutMs));
    std::vector<platform::Socket*> sockets;
    while (true) {
        handleIncomingClients(0);
        handleConnectedClients();
        const auto spent = Clock::now() - start;
        if (spent > limit) {
            return;
        }
        sockets.clear();
        sockets.push_back(_serverSocket.get());
        for (const auto& client : _clients) {
            sockets.push_back(client->getSocket().get());
        }
        // Wakes for the first byte or connection; at least 1 ms so the loop always ends.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - spent);
        (void)platform::Socket::waitAnyReadable(sockets, static_cast<int>(left.count()) + 1);
    }
}

void BaseGameServer::handleIncomingClients(std::int32_t timeoutMs) {
    if (!_serverSocket) {
        return;
    }
    auto socket = _serverSocket->accept(timeoutMs);
    if (!socket) {
        return;
    }
    auto client = BaseGameClient::Create(std::move(socket));
    _clients.push_back(client);
    _emit(EVENT_CLIENT_CONNECTED, *client);
    onConnect(client);
}

void BaseGameServer::handleConnectedClients() {
    // By index: processMessage may send, and a subclass may drop clients from it.
    for (std::size_t i = 0; i < _clients.size(); ++i) {
        const auto client = _clients[i];
        if (!client->isConnected()) {
            removeClient(client);
            return;
        }
        // Only what isConnected() took in: a client that sends without pause must not keep
        // the server from the others.
        while (auto message = client->takeBufferedMessage()) {
            processMessage(client, message);
        }
    }
}

void BaseGameServer::processMessage(const Ref<BaseGameClient>& /*client*/,
                                    const Ref<BaseGameMessage>& /*message*/) {
    throw Error("Needs overriding");
}

void BaseGameServer::removeClient(const Ref<BaseGameClient>& client) {
    const auto found = std::find(_clients.begin(), _clients.end(), client);
    if (found == _clients.end()) {
        return;
    }
    _clients.erase(found);
    // A client dropped for a broken stream must not keep its peer waiting on a dead socket.
    client->disconnect();
    _emit(EVENT_CLIENT_DISCONNECTED, *client);
    onDisconnect(client);
}

void BaseGameServer::sendGlobalData(BaseGameMessage& message) {
    if (_clients.empty()) {
        return;
    }
    const auto bytes = message.toBuffer();
    for (const auto& client : _clients) {
        if (const auto& socket = client->getSocket()) {
            (void)socket->send(bytes);
        }
    }
}

void BaseGameServer::stopListening() {
    for (const auto& client : _clients) {
        client->disconnect();
    }
    if (_serverSocket) {
        _serverSocket->close();
    }
}

std::int32_t BaseGameServer::getPortNumber() const {
    return _serverSocket ? _serverSocket->localPort() : 0;
}

void BaseGameServer::_emit(std::int32_t eventId, const BaseGameClient& client) {
    platform::PlatformEvent event;
    event.id = eventId;
    event.source = refOf<Object>(this);
    event.data = client.remoteIp();
    (void)platform::emitEvent(event);
}

} // namespace tarvex
