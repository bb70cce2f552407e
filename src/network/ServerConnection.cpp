#include "network/ServerConnection.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <iostream>

namespace tarvex {

const Type& ServerConnection::staticType() {
    static const Type& type = TypeBuilder<ServerConnection>("ServerConnection")
                                  .field("_address", &ServerConnection::_address)
                                  .field("_port", &ServerConnection::_port)
                                  .field("_socket", &ServerConnection::_socket)
                                  .field("_client", &ServerConnection::_client)
                                  .field("m_MessageHandlers", &ServerConnection::m_MessageHandlers)
                                  .field("m_MessageLookup", &ServerConnection::m_MessageLookup)
                                  .build();
    return type;
}

ServerConnection::~ServerConnection() {
    // Handlers may outlive the connection; they must not point back at it.
    for (const auto& handler : m_MessageHandlers) {
        handler->_setConnection(nullptr);
    }
}

int ServerConnection::connect(const std::string& address, std::int32_t port, std::int32_t type) {
    const auto ip = platform::resolveHost(address);
    if (!ip) {
        throw Error("ServerConnection.Connect failed - invalid address (" + address + ")");
    }
    if (port < 1 || port > 32766) {
        throw Error("ServerConnection.Connect failed - invalid port (" + std::to_string(port) +
                    ")");
    }
    _address = address;
    _port = port;
    _client = nullptr;
    _socket = nullptr;
    if (type == CONNECTION_TYPE_TCP) {
        _socket = platform::Socket::createTcp();
    } else if (type == CONNECTION_TYPE_UDP) {
        _socket = platform::Socket::createUdp();
    }
    if (!_socket || !_socket->connect(*ip, port)) {
        _socket = nullptr;
        return 0;
    }
    _client = GameClient::Create(_socket);
    return 1;
}

void ServerConnection::disconnect() {
    if (_client) {
        _client->Disconnect();
    }
}

bool ServerConnection::isConnected() {
    return _client && _client->IsConnected();
}

bool ServerConnection::isMessageReady() {
    return _client && _client->MessageWaiting();
}

int ServerConnection::registerHandler(const Ref<MessageHandler>& handler) {
    if (!handler || std::find(m_MessageHandlers.begin(), m_MessageHandlers.end(), handler) !=
                        m_MessageHandlers.end()) {
        return 0;
    }
    const auto& name = handler->getType().getName();
    for (const std::int32_t id : handler->getHandledMessages()) {
        if (const auto* owner = findMessageHandler(id)) {
            throw Error("MessageHandler " + name + " cannot handle message ID " +
                        std::to_string(id) + " - already handled by " + owner->getType().getName());
        }
    }
    if (handler->getHandledMessages().empty()) {
        throw Error("MessageHandler " + name + " does not handle any messages");
    }
    handler->_setConnection(this);
    m_MessageHandlers.push_back(handler);
    for (const std::int32_t id : handler->getHandledMessages()) {
        debugLog("Handler added: " + std::to_string(id));
        m_MessageLookup[std::to_string(id)] = handler.get();
    }
    return 1;
}

void ServerConnection::UnRegisterHandler(const Ref<MessageHandler>& handler) {
    const auto found = std::find(m_MessageHandlers.begin(), m_MessageHandlers.end(), handler);
    if (found == m_MessageHandlers.end()) {
        return;
    }
    for (const std::int32_t id : handler->getHandledMessages()) {
        const auto entry = m_MessageLookup.find(std::to_string(id));
        if (entry != m_MessageLookup.end() && entry->second == handler.get()) {
            m_MessageLookup.erase(entry);
        }
    }
    handler->_setConnection(nullptr);
    m_MessageHandlers.erase(found);
}

Ref<MessageIn> ServerConnection::getNextMessage() {
    return _client ? _client->GetWaitingMessage() : nullptr;
}

MessageHandler* ServerConnection::findMessageHandler(std::int32_t id) const {
    const auto found = m_MessageLookup.find(std::to_string(id));
    return found == m_MessageLookup.end() ? nullptr : found->second;
}

void ServerConnection::dispatchMessages() {
    // What has arrived by now; a server that sends without pause must not hold the caller
    // here for ever, so later messages wait for the next call.
    if (!isMessageReady()) {
        return;
    }
    while (_client && _client->HasBufferedMessage()) {
        debugLog("Received a message");
        const auto message = getNextMessage();
        if (!message) {
            continue; // refused; the next one may be fine
        }
        // Held by reference: a handler may unregister itself while it works.
        const auto handler = refOf(findMessageHandler(message->getActionID()));
        if (handler) {
            handler->HandleMessage(message);
        } else {
            _reportUnhandled(message->getActionID());
        }
    }
}

void ServerConnection::_reportUnhandled(std::int32_t id) const {
    std::cout << "FUUUUU\n";
    std::cout << "Message ID: " << id << "\n";
    std::cout << "Registered handlers:\n";
    for (const auto& handler : m_MessageHandlers) {
        std::cout << " * " << handler->getType().getName() << "\n";
        std::cout << " [";
        for (const std::int32_t handled : handler->getHandledMessages()) {
            std::cout << handled << ", ";
        }
        std::cout << " ]\n";
    }
    std::cout.flush();
}

} // namespace tarvex
