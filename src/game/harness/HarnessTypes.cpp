#include "game/harness/HarnessTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "game/GameTypes.hpp"
#include "game/harness/KeyRecorder.hpp"

namespace tarvex::game::harness {

void registerHarnessTypes() {
    registerGameTypes();
    TypeRegistry::instance().add<KeyRecorder>();
}

} // namespace tarvex::game::harness
