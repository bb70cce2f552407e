// The enemy and wildlife systems over the game systems fixture. Here step() stands in for the
// resource loader with the sizes of the shipped art: each new body gets a sprite of the size
// the art has for its `sprite_name` (8 x 8 for names it does not know), placed at the body, and
// the sprite is told to play the body's frame set when the body names an animation.
#pragma once

#include "GameSystemsFixture.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game::testing {

class EnemySystemsTest : public GameSystemsTest {
protected:
    // A sprite of the art's size for the body's `sprite_name`, at the body, playing its frame set.
    void giveSprite(BodyComponent& body) const override;
    // An entity with a body of that sprite name (and its art's size) at (x, y), refreshed.
    Ref<Entity> body(const std::string& spriteName, float x, float y);
    // A submarine travelling in `direction` at (x, y) with a 32 x 12 sprite.
    Ref<Entity> submarine(std::uint8_t direction, float x, float y);
    // The boat at (x, y) with its 48 x 16 sprite, tagged "player".
    Ref<Entity> boat(float x = 88, float y = 55);
    [[nodiscard]] std::string groupOf(const Ref<Entity>& entity) const;
    // How often the pattern or name was asked for.
    [[nodiscard]] long played(const std::string& sound) const;
};

} // namespace tarvex::game::testing
