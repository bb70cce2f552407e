#include "screens/ScreenTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "screens/ScreenManagerService.hpp"

namespace tarvex {

void registerScreenTypes() {
    TypeRegistry::instance().add<IGameScreen, GameScreen, ScreenManager, ScreenManagerService>();
}

} // namespace tarvex
