// One client connection as the server sees it. Bytes are gathered from the socket as they
// arrive; a message is handed on only once it is whole, as the raw bytes of one game message
// (header and body exactly as received).
//
//     if (client->isMessageWaiting()) {
//         auto raw = client->getWaitingMessage();          // one whole message
//         auto message = MessageIn::FromBank(raw->getData());
//     }
//
// A client counts as connected while its peer has not closed, or while whole messages it
// sent before closing are still waiting to be read. A peer that sends a header not to be
// trusted, or that closes in the middle of a message, is no longer connected.
#pragma once

#include "network/BaseGameMessage.hpp"
#include "network/MessageReader.hpp"
#include "platform/net/Socket.hpp"

namespace tarvex {

class BaseGameClient : public Object {
    TARVEX_OBJECT(BaseGameClient, Object)
public:
    BaseGameClient() = default;

    // Wraps a connected socket, remembering the peer's address.
    [[nodiscard]] static Ref<BaseGameClient> Create(Ref<platform::Socket> socket);

    // Sends the message's toBuffer() bytes; false when the connection failed.
    bool send(BaseGameMessage& message);
    // All bytes that have arrived and not been handed out, whole messages or not.
    [[nodiscard]] ByteBuffer getRaw();
    // The next whole message, or null while none has arrived whole.
    [[nodiscard]] Ref<BaseGameMessage> getWaitingMessage();
    // The next whole message among those already taken in, without reading the socket.
    [[nodiscard]] Ref<BaseGameMessage> takeBufferedMessage();
    void disconnect();
    [[nodiscard]] bool messageWaiting();
    [[nodiscard]] bool isMessageWaiting() { return messageWaiting(); }
    [[nodiscard]] bool isConnected();
    [[nodiscard]] std::int32_t remoteIp() const { return _remoteIp; }
    [[nodiscard]] const Ref<platform::Socket>& getSocket() const { return _socketConnection; }

private:
    Ref<platform::Socket> _socketConnection;
    std::int32_t _remoteIp = 0;
    MessageReader _reader;
};

// Whether a connection read through `reader` still counts as connected (see above); takes in
// what has arrived first.
[[nodiscard]] bool connectionAlive(platform::Socket* socket, MessageReader& reader);

} // namespace tarvex
