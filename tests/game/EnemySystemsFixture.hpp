// The enemy and wildlife systems over a real entity service in a kernel, with the session and
// screen-effects services and an audio service that records what it is asked to play. step()
// stands in for the resource loader: each new body gets a sprite of the size the shipped art
// has for its `sprite_name` (8 x 8 for names it does not know), so bodies move and have a size,
// and the sprite is told to play the body's frame set when the body names an animation.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/GameEntityService.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "kernel/GameKernel.hpp"
#include "resources/ResourceManager.hpp"
#include "session/SessionDbService.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex::game::testing {

// Remembers every sound request instead of playing it; random picks are kept as their pattern.
class SoundLog : public AudioService {
public:
    bool playSoundResource(const std::string& name) override {
        played.push_back(name);
        return true;
    }
    bool playRandomSoundByName(const std::string& pattern) override {
        played.push_back(pattern);
        return true;
    }
    std::vector<std::string> played;
};

class EnemySystemsTest : public ::testing::Test {
protected:
    EnemySystemsTest();
    ~EnemySystemsTest() override;
    EnemySystemsTest(const EnemySystemsTest&) = delete;
    EnemySystemsTest& operator=(const EnemySystemsTest&) = delete;

    // Adds the system to the entity service and initializes it (lookups, then services).
    template <class System> Ref<System> addSystem() {
        auto system = std::make_shared<System>();
        entities->addSystem(system);
        system->initialize();
        return system;
    }

    // Gives sprites to new bodies, then one world step of `delta` ms.
    void step(float delta = 16);
    // An entity with a body of that sprite name (and its art's size) at (x, y), refreshed.
    Ref<Entity> body(const std::string& spriteName, float x, float y);
    // A submarine travelling in `direction` at (x, y) with a 32 x 12 sprite.
    Ref<Entity> submarine(std::uint8_t direction, float x, float y);
    // The boat at (x, y) with its 48 x 16 sprite, tagged "player".
    Ref<Entity> boat(float x = 88, float y = 55);
    // Makes the current level from a definition body ("enemies_to_destroy = 2; ...").
    Ref<GameLevelResource> useLevel(const std::string& fields);
    // The live entities holding a component of that class.
    template <class Component> [[nodiscard]] std::vector<Ref<Entity>> with() const {
        std::vector<Ref<Entity>> found;
        const auto& type = ComponentTypeManager::getTypeFor<Component>();
        if (const auto* list = entities->getEntitiesWithComponent(type.get())) {
            for (std::int32_t i = 0; i < list->getSize(); ++i) {
                if (list->get(i)) {
                    found.push_back(list->get(i));
                }
            }
        }
        return found;
    }
    [[nodiscard]] static BodyComponent* bodyOf(const Ref<Entity>& entity) {
        return entity->getComponentAs<BodyComponent>();
    }
    [[nodiscard]] std::string groupOf(const Ref<Entity>& entity) const;
    // How often the pattern or name was asked for.
    [[nodiscard]] long played(const std::string& sound) const;

    Ref<GameKernel> kernel = std::make_shared<GameKernel>();
    Ref<GameEntityService> entities = std::make_shared<GameEntityService>();
    Ref<SessionDbService> session = std::make_shared<SessionDbService>();
    Ref<SoundLog> audio = std::make_shared<SoundLog>();
    Ref<graphics::ScreenEffectsService> effects =
        std::make_shared<graphics::ScreenEffectsService>();

private:
    Ref<ResourceManager> _levels;
};

} // namespace tarvex::game::testing
