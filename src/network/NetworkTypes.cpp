#include "network/NetworkTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"
#include "network/BaseGameServer.hpp"
#include "network/GameClient.hpp"
#include "network/GameServer.hpp"
#include "network/MessageOut.hpp"
#include "network/ServerConnection.hpp"

namespace tarvex {

void registerNetworkTypes() {
    registerKernelTypes();
    TypeRegistry::instance()
        .add<BaseGameMessage, GameMessage, MessageIn, MessageOut, BaseGameClient, GameClient,
             BaseGameServer, GameServer, MessageHandler, ServerConnection>();
}

} // namespace tarvex
