#include "network/GameServer.hpp"

#include "core/TypeBuilder.hpp"
#include "network/MessageHandler.hpp"

namespace tarvex {

const Type& GameServer::staticType() {
    static const Type& type = TypeBuilder<GameServer>("GameServer")
                                  .field("m_ServerType", &GameServer::m_ServerType)
                                  .field("m_ServerSocket", &GameServer::m_ServerSocket)
                                  .field("_messageHandlers", &GameServer::_messageHandlers)
                                  .field("_messageLookup", &GameServer::_messageLookup)
                                  .build();
    return type;
}

void GameServer::processMessage(const Ref<BaseGameClient>& /*client*/,
                                const Ref<BaseGameMessage>& /*message*/) {}

void GameServer::onConnect(const Ref<BaseGameClient>& /*client*/) {}

void GameServer::onDisconnect(const Ref<BaseGameClient>& /*client*/) {}

std::int32_t GameServer::sendGlobalMessage(GameMessage& message) {
    sendGlobalData(message);
    return countConnectedClients();
}

} // namespace tarvex
