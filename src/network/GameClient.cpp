#include "network/GameClient.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "network/BaseGameClient.hpp"

namespace tarvex {

const Type& GameClient::staticType() {
    static const Type& type = TypeBuilder<GameClient>("GameClient")
                                  .field("m_SocketConnection", &GameClient::m_SocketConnection)
                                  .field("m_RemoteIp", &GameClient::m_RemoteIp)
                                  .build();
    return type;
}

Ref<GameClient> GameClient::Create(Ref<platform::Socket> socket) {
    auto client = std::make_shared<GameClient>();
    if (socket) {
        client->m_RemoteIp = static_cast<std::int32_t>(socket->remoteIp());
    }
    client->m_SocketConnection = std::move(socket);
    return client;
}

bool GameClient::Send(GameMessage& message) {
    if (!m_SocketConnection) {
        return false;
    }
    const auto bytes = message.toBuffer();
    return m_SocketConnection->send(bytes) == bytes.size();
}

Ref<MessageIn> GameClient::GetWaitingMessage() {
    if (!MessageWaiting()) {
        return nullptr;
    }
    const auto bytes = _reader.next();
    auto message = bytes ? MessageIn::FromBank(*bytes) : nullptr;
    if (!message) {
        debugLog("GameClient: refused a message whose body does not unpack");
    }
    return message;
}

void GameClient::Disconnect() {
    if (m_SocketConnection) {
        m_SocketConnection->close();
    }
}

bool GameClient::MessageWaiting() {
    if (_reader.hasMessage()) {
        return true;
    }
    if (m_SocketConnection) {
        (void)_reader.fillFrom(*m_SocketConnection);
    }
    if (_reader.failed()) {
        Disconnect();
    }
    return _reader.hasMessage();
}

bool GameClient::IsConnected() {
    return connectionAlive(m_SocketConnection.get(), _reader);
}

} // namespace tarvex
