#include "screens/ScreenTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "graphics/GraphicsTypes.hpp"
#include "screens/ScreenManagerService.hpp"

namespace tarvex {

void registerScreenTypes() {
    graphics::registerGraphicsTypes();
    TypeRegistry::instance().add<IGameScreen, GameScreen, ScreenManager, ScreenManagerService>();
}

} // namespace tarvex
