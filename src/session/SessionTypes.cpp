#include "session/SessionTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex {

void registerSessionTypes() {
    registerKernelTypes();
    TypeRegistry::instance().add<GameSession, GameSessionService, SessionDbService>();
}

} // namespace tarvex
