// The game's server: a BaseGameServer that accepts every message and does nothing with it.
// Subclasses override processMessage (parsing with MessageIn::FromBank(message->getData())).
//
//     auto server = std::make_shared<GameServer>();
//     server->startListening(4000);
//     server->sendGlobalMessage(*MessageOut::Create(9, false));   // to every client
#pragma once

#include "core/Bag.hpp"
#include "network/BaseGameServer.hpp"
#include "network/GameMessage.hpp"

namespace tarvex {

class MessageHandler;

class GameServer : public BaseGameServer {
    TARVEX_OBJECT(GameServer, BaseGameServer)
public:
    GameServer() = default;

    void processMessage(const Ref<BaseGameClient>& client,
                        const Ref<BaseGameMessage>& message) override;
    void onConnect(const Ref<BaseGameClient>& client) override;
    void onDisconnect(const Ref<BaseGameClient>& client) override;
    // Sends the message to every client in order; answers the number of clients.
    std::int32_t sendGlobalMessage(GameMessage& message);

private:
    // Kept for subclasses that dispatch by action identifier; the server itself does not.
    std::int32_t m_ServerType = SERVER_TYPE_TCP;
    Ref<platform::Socket> m_ServerSocket;
    std::vector<Ref<MessageHandler>> _messageHandlers;
    ObjectBag _messageLookup;
};

} // namespace tarvex
