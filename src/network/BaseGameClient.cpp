#include "network/BaseGameClient.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& BaseGameClient::staticType() {
    static const Type& type = TypeBuilder<BaseGameClient>("BaseGameClient")
                                  .field("_socketConnection", &BaseGameClient::_socketConnection)
                                  .field("_remoteIp", &BaseGameClient::_remoteIp)
                                  .build();
    return type;
}

bool connectionAlive(platform::Socket* socket, MessageReader& reader) {
    if (socket == nullptr) {
        return false;
    }
    (void)reader.fillFrom(*socket);
    if (reader.hasMessage()) {
        return true;
    }
    return !reader.failed() && socket->isConnected();
}

Ref<BaseGameClient> BaseGameClient::Create(Ref<platform::Socket> socket) {
    auto client = std::make_shared<BaseGameClient>();
    if (socket) {
        client->_remoteIp = static_cast<std::int32_t>(socket->remoteIp());
    }
    client->_socketConnection = std::move(socket);
    return client;
}

bool BaseGameClient::send(BaseGameMessage& message) {
    if (!_socketConnection) {
        return false;
    }
    const auto bytes = message.toBuffer();
    return _socketConnection->send(bytes) == bytes.size();
}

ByteBuffer BaseGameClient::getRaw() {
    if (_socketConnection) {
        (void)_reader.fillFrom(*_socketConnection);
    }
    return _reader.takeAll();
}

Ref<BaseGameMessage> BaseGameClient::getWaitingMessage() {
    (void)messageWaiting();
    return takeBufferedMessage();
}

Ref<BaseGameMessage> BaseGameClient::takeBufferedMessage() {
    const auto bytes = _reader.next();
    return bytes ? BaseGameMessage::CreateFromBank(*bytes) : nullptr;
}

void BaseGameClient::disconnect() {
    if (_socketConnection) {
        _socketConnection->close();
    }
}

bool BaseGameClient::messageWaiting() {
    if (_reader.hasMessage()) {
        return true;
    }
    if (_socketConnection) {
        (void)_reader.fillFrom(*_socketConnection);
    }
    return _reader.hasMessage();
}

bool BaseGameClient::isConnected() {
    return connectionAlive(_socketConnection.get(), _reader);
}

} // namespace tarvex
