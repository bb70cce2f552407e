// A connection to a game server from the client's side: sends game messages and hands out the
// ones that have arrived whole, parsed. ServerConnection reads through one of these.
//
//     auto client = GameClient::Create(socket);
//     client->Send(*MessageOut::Create(3, true));
//     while (client->MessageWaiting()) {
//         auto message = client->GetWaitingMessage();   // null for one that was refused
//     }
//
// A whole message whose body is refused (a packed body that does not decompress to its
// unpacked size) is skipped; a header not to be trusted ends the connection, as the bytes
// after it cannot be read as messages.
#pragma once

#include "network/GameMessage.hpp"
#include "network/MessageIn.hpp"
#include "network/MessageReader.hpp"
#include "platform/net/Socket.hpp"

namespace tarvex {

class GameClient : public Object {
    TARVEX_OBJECT(GameClient, Object)
public:
    GameClient() = default;

    [[nodiscard]] static Ref<GameClient> Create(Ref<platform::Socket> socket);

    // Sends the message's toBuffer() bytes; false when the connection failed.
    bool Send(GameMessage& message);
    // The next whole message, parsed; null while none is whole, or when it was refused.
    [[nodiscard]] Ref<MessageIn> GetWaitingMessage();
    void Disconnect();
    [[nodiscard]] bool MessageWaiting();
    // A whole message has been taken in already (the socket is not read).
    [[nodiscard]] bool HasBufferedMessage() { return _reader.hasMessage(); }
    [[nodiscard]] bool IsConnected();
    [[nodiscard]] std::int32_t RemoteIp() const { return m_RemoteIp; }

private:
    Ref<platform::Socket> m_SocketConnection;
    std::int32_t m_RemoteIp = 0;
    MessageReader _reader;
};

} // namespace tarvex
