#include "GameSystemsFixture.hpp"

#include "core/Random.hpp"
#include "entities/EntityManager.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/GameTypes.hpp"
#include "game/components/EnemyComponents.hpp"
#include "graphics/VirtualScreenResolution.hpp"
#include "platform/Input.hpp"
#include "platform/Stream.hpp"

namespace tarvex::game::testing {

namespace {

constexpr std::int32_t DEFAULT_SIDE = 8;

Ref<graphics::ImageSprite> spriteOf(std::int32_t width, std::int32_t height) {
    return graphics::ImageSprite::Create(
        platform::Image::fromPixmap(platform::Pixmap(width, height)), 0, 0);
}

} // namespace

GameSystemsTest::GameSystemsTest() {
    registerGameTypes();
    graphics::VirtualScreenResolution::getInstance()->setDimensions(224, 288);
    kernel->addService(nullptr, session);
    kernel->addService(&AudioService::staticType(), audio);
    kernel->addService(nullptr, effects);
    kernel->addService(nullptr, entities);
    GameEntityFactory::setWorld(entities->getWorld());
    platform::keyboard().flush();
    Random::seed(12);
    session->resetGameplayState();
    session->resetCurrentLevelState();
}

GameSystemsTest::~GameSystemsTest() {
    platform::keyboard().flush();
    GameEntityFactory::setWorld(nullptr);
}

void GameSystemsTest::step(float delta) {
    const auto& live = entities->getWorld()->getEntityManager()->getActiveEntities();
    for (std::int32_t i = 0; i < live.getSize(); ++i) {
        const auto& entity = live.get(i);
        auto* body = entity ? entity->getComponentAs<BodyComponent>() : nullptr;
        if (body != nullptr && !body->getSprite()) {
            giveSprite(*body);
        }
    }
    entities->update(delta);
}

void GameSystemsTest::giveSprite(BodyComponent& body) const {
    body._setSprite(spriteOf(DEFAULT_SIDE, DEFAULT_SIDE));
    body.getSprite()->SetAlpha(body.sprite_alpha);
}

Ref<Entity> GameSystemsTest::sized(std::int32_t width, std::int32_t height, float x, float y) {
    auto entity = entities->createEntity();
    auto body = std::make_shared<BodyComponent>();
    body->_setSprite(spriteOf(width, height));
    body->x_pos = x;
    body->y_pos = y;
    entity->addComponent(body);
    entity->refresh();
    return entity;
}

Ref<Entity> GameSystemsTest::submarine(float x, float y) {
    auto entity = sized(32, 16, x, y);
    entity->setGroup("enemies");
    entity->addComponent(std::make_shared<SubmarineComponent>());
    entity->refresh();
    return entity;
}

Ref<Entity> GameSystemsTest::boat() {
    auto player = GameEntityFactory::createPlayer();
    bodyOf(player)->_setSprite(spriteOf(48, 16));
    return player;
}

Ref<GameLevelResource> GameSystemsTest::useLevel(const std::string& fields) {
    static int serial = 0;
    const std::string name = "systems-level-" + std::to_string(++serial) + ".brix";
    const std::string text = "[resources]\n{\n    namespace = test.levels;\n"
                             "    [t:resource, n:level] { type = game_level; level_number = 1; "
                             "stage_number = 1; " +
                             fields + " }\n}\n";
    platform::registerMemoryFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    _levels = std::make_shared<ResourceManager>();
    _levels->loadResources("memory::" + name, true);
    auto level = std::dynamic_pointer_cast<GameLevelResource>(
        _levels->getResource("test.levels.level", false));
    session->set("current_level", level);
    return level;
}

} // namespace tarvex::game::testing
