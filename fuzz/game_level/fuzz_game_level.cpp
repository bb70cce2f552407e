// Feeds arbitrary bytes to the resource manager as a level definition file and reads every
// level it registers: any input must give levels (with their defaults), or the system's error
// ("Unknown time of day: ..."), never a crash or an out-of-bounds read.
#include "core/Error.hpp"
#include "game/GameTypes.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "platform/Stream.hpp"
#include "resources/ResourceManager.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        tarvex::game::registerGameTypes();
        return true;
    }();
    (void)registered;
    tarvex::platform::registerMemoryFile("levels.brix",
                                         std::vector<std::uint8_t>(data, data + size));
    tarvex::ResourceManager manager;
    try {
        manager.loadResources("memory::levels.brix", true);
    } catch (const tarvex::Error&) {
        return 0; // a level with an unknown time of day, or a type nothing loads
    }
    for (const auto& name : manager.getResourceList()) {
        auto level = std::dynamic_pointer_cast<tarvex::game::GameLevelResource>(
            manager.getResource(name, false));
        if (level) {
            (void)level->getTitle();
            (void)level->isSonarEnabled();
            (void)level->getSpeedMultipler();
            (void)level->getEnemyAggression();
        }
    }
    return 0;
}
