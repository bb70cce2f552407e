// The game's entity systems over a real entity service in a kernel, with the session and screen
// effects services, an audio service that records what it is asked to play, and the keyboard.
// step() plays the part of the resource loader: bodies without a sprite get one from
// giveSprite() (8 x 8 here; sized() gives its own size) before the world step, so they move and
// can be hit. Fixtures for other groups of systems derive from this one and size sprites their
// own way.
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
class RecordingAudioService : public AudioService {
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

class GameSystemsTest : public ::testing::Test {
protected:
    GameSystemsTest();
    ~GameSystemsTest() override;
    GameSystemsTest(const GameSystemsTest&) = delete;
    GameSystemsTest& operator=(const GameSystemsTest&) = delete;

    // Adds the system to the entity service and initializes it (lookups, then services).
    template <class System> Ref<System> addSystem() {
        auto system = std::make_shared<System>();
        entities->addSystem(system);
        system->initialize();
        return system;
    }

    // Gives sprites to new bodies, then one world step of `delta` ms.
    void step(float delta = 16);
    // What step() gives a body that has no sprite yet: an 8 x 8 one with the body's alpha.
    virtual void giveSprite(BodyComponent& body) const;
    // An entity holding a body with a sprite of that size at (x, y), refreshed.
    Ref<Entity> sized(std::int32_t width, std::int32_t height, float x, float y);
    // A submarine of Part-sized sprite (32 x 16) with a body and a submarine component.
    Ref<Entity> submarine(float x, float y);
    // The boat made by the factory, with its 48 x 16 sprite, and its emitters.
    Ref<Entity> boat();
    // Sets the current level from a definition body ("enemies_to_destroy = 2; ...").
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

    Ref<GameKernel> kernel = std::make_shared<GameKernel>();
    Ref<GameEntityService> entities = std::make_shared<GameEntityService>();
    Ref<SessionDbService> session = std::make_shared<SessionDbService>();
    Ref<RecordingAudioService> audio = std::make_shared<RecordingAudioService>();
    Ref<graphics::ScreenEffectsService> effects =
        std::make_shared<graphics::ScreenEffectsService>();

private:
    Ref<ResourceManager> _levels;
};

} // namespace tarvex::game::testing
