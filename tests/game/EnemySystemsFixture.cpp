#include "EnemySystemsFixture.hpp"

#include "entities/GroupManager.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/PlayerComponents.hpp"

#include <algorithm>
#include <map>

namespace tarvex::game::testing {

namespace {

struct Size {
    std::int32_t width;
    std::int32_t height;
};

// The cell sizes of the shipped art.
Size sizeOf(const std::string& spriteName) {
    static const std::map<std::string, Size, std::less<>> sizes = {
        {"depthrun.objects.player", {48, 16}},
        {"depthrun.objects.submarine_left", {32, 12}},
        {"depthrun.objects.submarine_right", {32, 12}},
        {"depthrun.objects.missile", {6, 10}},
        {"depthrun.objects.mine", {9, 9}},
        {"depthrun.objects.mine_layer", {26, 12}},
        {"depthrun.objects.fish", {12, 7}},
        {"depthrun.backgrounds.day.clouds", {48, 18}},
    };
    const auto found = sizes.find(spriteName);
    return found != sizes.end() ? found->second : Size{8, 8};
}

} // namespace

void EnemySystemsTest::giveSprite(BodyComponent& body) const {
    const Size size = sizeOf(body.sprite_name);
    body._setSprite(graphics::ImageSprite::Create(
        platform::Image::fromPixmap(platform::Pixmap(size.width, size.height)),
        static_cast<std::int32_t>(body.x_pos), static_cast<std::int32_t>(body.y_pos)));
    body.getSprite()->setPosition(body.x_pos, body.y_pos);
    body.getSprite()->SetAlpha(body.sprite_alpha);
    if (!body.animation_name.empty()) {
        body.getSprite()->play(body.frameset_name.empty() ? "default" : body.frameset_name, 1.0F);
    }
}

Ref<Entity> EnemySystemsTest::body(const std::string& spriteName, float x, float y) {
    auto entity = entities->createEntity();
    auto component = std::make_shared<BodyComponent>();
    component->sprite_name = spriteName;
    component->x_pos = x;
    component->y_pos = y;
    giveSprite(*component);
    entity->addComponent(component);
    entity->refresh();
    return entity;
}

Ref<Entity> EnemySystemsTest::submarine(std::uint8_t direction, float x, float y) {
    auto entity =
        body(direction == SubmarineComponent::DIRECTION_LEFT ? "depthrun.objects.submarine_left"
                                                             : "depthrun.objects.submarine_right",
             x, y);
    entity->setGroup("enemies");
    auto sub = std::make_shared<SubmarineComponent>();
    sub->direction = direction;
    entity->addComponent(sub);
    entity->refresh();
    return entity;
}

Ref<Entity> EnemySystemsTest::boat(float x, float y) {
    auto player = body("depthrun.objects.player", x, y);
    player->setTag("player");
    player->addComponent(std::make_shared<PlayerComponent>());
    player->refresh();
    return player;
}

std::string EnemySystemsTest::groupOf(const Ref<Entity>& entity) const {
    return entities->getWorld()->getGroupManager()->getGroupOf(entity.get());
}

long EnemySystemsTest::played(const std::string& sound) const {
    return std::count(audio->played.begin(), audio->played.end(), sound);
}

} // namespace tarvex::game::testing
