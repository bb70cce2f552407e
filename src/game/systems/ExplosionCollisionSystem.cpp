#include "game/systems/ExplosionCollisionSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/systems/EntityLists.hpp"

#include <string>

namespace tarvex::game {

namespace {

constexpr std::int32_t BASE_SCORE = 100;
constexpr std::int32_t DEEP_SCORE = 150;
constexpr std::int32_t MIDDLE_SCORE = 125;
constexpr float SINK_ACCELERATION = 4;
constexpr float SINK_SPREAD = 2;
constexpr float PROPELLER_LIFESPAN = 4000;
constexpr float FLYOFF_OFFSET = 30; // the label's left edge, so that it sits over the target
constexpr float FLYOFF_RISE = -10;
constexpr float FLYOFF_SLOWDOWN = 5;
constexpr float FISH_RISE = -5;
constexpr float FISH_TOP_SPEED = 100;
constexpr std::size_t REMEMBERED_BLASTS = 8;
constexpr std::uint8_t PENALTY_RED = 128;
constexpr std::uint8_t WHITE = 255;

// Half the sprite's width in whole pixels, where a label is centred.
float halfWidth(const BodyComponent& body) {
    return static_cast<float>(body.getWidth() / 2); // NOLINT(bugprone-integer-division)
}

} // namespace

const Type& ExplosionCollisionSystem::staticType() {
    using S = ExplosionCollisionSystem;
    static const Type& type =
        TypeBuilder<S>("ExplosionCollisionSystem")
            .meta("component_types", "ExplosionComponent")
            .field("_resourceDb", &S::_resourceDb, {{"autoload_service", "1"}})
            .field("_sessionDb", &S::_sessionDb, {{"autoload_service", "1"}})
            .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
            .field("_damageLookup", &S::_damageLookup,
                   {{"component_type", "RecentlyDamagedComponent"}})
            .field("_missileLookup", &S::_missileLookup, {{"component_type", "MissileComponent"}})
            .field("_submarineLookup", &S::_submarineLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_bodyLookup", &S::_bodyLookup, {{"component_type", "BodyComponent"}})
            .field("_healthLookup", &S::_healthLookup, {{"component_type", "HealthComponent"}})
            .field("_fishLookup", &S::_fishLookup, {{"component_type", "FishComponent"}})
            .field("_explosionLookup", &S::_explosionLookup,
                   {{"component_type", "ExplosionComponent"}})
            .field("_destroyedLookup", &S::_destroyedLookup,
                   {{"component_type", "DestroyedComponent"}})
            .field("_particlesLookup", &S::_particlesLookup,
                   {{"component_type", "ParticleGeneratorComponent"}})
            .build();
    return type;
}

void ExplosionCollisionSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ExplosionCollisionSystem::processEntity(Entity& entity) {
    const auto* explosion = entity.getComponentAs<ExplosionComponent>(_explosionLookup.get());
    const auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (explosion == nullptr || body == nullptr) {
        return;
    }
    _currentBlast = explosion->_blast;
    if (explosion->damages_enemy) {
        handleEnemyCollisions(body);
    }
    if (explosion->damages_player) {
        handlePlayerCollisions(body);
    }
    handleFishCollisions(body); // even a harmless flash kills fish
    _currentBlast = 0;
    if (body->getSprite() && body->getSprite()->isAnimationFinished()) {
        getWorld()->deleteEntity(&entity);
        getWorld()->refreshEntity(&entity);
    }
}

void ExplosionCollisionSystem::handleEnemyCollisions(const BodyComponent* body) {
    handleSubmarineCollisions(body);
    handleMissileCollisions(body);
}

void ExplosionCollisionSystem::handleSubmarineCollisions(const BodyComponent* body) {
    for (const auto& submarine : entitiesWith(getWorld(), _submarineLookup.get())) {
        auto* subBody = submarine->getComponentAs<BodyComponent>(_bodyLookup.get());
        if (subBody == nullptr || !subBody->getSprite() ||
            submarine->hasComponent(_destroyedLookup.get()) || !bodyOverlaps(body, subBody)) {
            continue;
        }
        debugLog("DESTROYED SUBMARINE: " + std::to_string(submarine->getId()));
        if (_sessionDb) {
            _sessionDb->increaseField("destroyed_subs", 1);
            _sessionDb->increaseField("current_level.destroyed_subs", 1);
        }
        std::string label = std::to_string(BASE_SCORE);
        std::int32_t score = BASE_SCORE;
        if (subBody->y_pos > DEEP_BAND) {
            score = DEEP_SCORE;
            label += " x 1.5";
        } else if (subBody->y_pos > MIDDLE_BAND) {
            score = MIDDLE_SCORE;
            label += " x 1.25";
        }
        if (_sessionDb) {
            _sessionDb->increaseScore(score);
        }
        makeFlyoff(label, subBody->x_pos + halfWidth(*subBody), subBody->y_pos, false);
        _countForCombo(_currentBlast);

        subBody->y_acceleration = SINK_ACCELERATION + SINK_SPREAD * Random::real(0, 1);
        subBody->x_velocity /= 2;
        subBody->getSprite()->SetAlpha(1.0F); // an undetected submarine shows as it sinks

        const std::string propellerTag = "propeller_for_" + std::to_string(submarine->getId());
        if (Entity* propeller = getWorld()->getTagManager()->getEntity(propellerTag)) {
            if (const auto& generator = propeller->getComponentByName("particle_generator")) {
                static_cast<ParticleGeneratorComponent&>(*generator).spawn_frequency = 0;
            }
            propeller->addComponent(LifespanComponent::Create(PROPELLER_LIFESPAN));
            propeller->refresh();
        }
        submarine->addComponent(std::make_shared<DestroyedComponent>());
        submarine->refresh();
    }
}

void ExplosionCollisionSystem::_countForCombo(std::int64_t blast) {
    if (blast == 0 || !_sessionDb) {
        return;
    }
    if (!_blastKills.contains(blast) && _blastKills.size() >= REMEMBERED_BLASTS) {
        _blastKills.erase(_blastKills.begin()); // unique ids grow: the oldest blast goes
    }
    const std::int32_t kills = ++_blastKills[blast];
    if (kills > _sessionDb->getHighestCombo()) {
        _sessionDb->setInt("highest_combo", kills);
    }
}

void ExplosionCollisionSystem::handleMissileCollisions(const BodyComponent* body) {
    for (const auto& missile : entitiesWith(getWorld(), _missileLookup.get())) {
        const auto* missileBody = missile->getComponentAs<BodyComponent>(_bodyLookup.get());
        if (missileBody == nullptr || !missileBody->getSprite() ||
            !bodyOverlaps(body, missileBody)) {
            continue;
        }
        debugLog("DESTROYED MISSILE: " + std::to_string(missile->getId()));
        getWorld()->deleteEntity(missile.get());
        getWorld()->refreshEntity(missile.get());
    }
}

void ExplosionCollisionSystem::handleFishCollisions(const BodyComponent* body) {
    for (const auto& fish : entitiesWith(getWorld(), _fishLookup.get())) {
        auto* fishBody = fish->getComponentAs<BodyComponent>(_bodyLookup.get());
        if (fishBody == nullptr || !fishBody->getSprite() ||
            fish->hasComponent(_destroyedLookup.get()) || !bodyOverlaps(body, fishBody)) {
            continue;
        }
        debugLog("DESTROYED FISH: " + std::to_string(fish->getId()));
        if (_sessionDb) {
            _sessionDb->decreaseScore(FISH_PENALTY);
        }
        makeFlyoff("-" + std::to_string(FISH_PENALTY), fishBody->x_pos + halfWidth(*fishBody),
                   fishBody->y_pos, true);
        fishBody->getSprite()->stopAnimation();
        fishBody->x_acceleration = 0;
        fishBody->x_velocity = 0;
        fishBody->y_acceleration = FISH_RISE; // the dead fish floats up
        fishBody->y_max_velocity = FISH_TOP_SPEED;
        fish->addComponent(std::make_shared<DestroyedComponent>());
        fish->refresh();
    }
}

void ExplosionCollisionSystem::handlePlayerCollisions(const BodyComponent* body) {
    Entity* player = getWorld()->getTagManager()->getEntity("player");
    if (player == nullptr || player->hasComponent(_damageLookup.get())) {
        return;
    }
    const auto* boat = player->getComponentAs<BodyComponent>(_bodyLookup.get());
    if (!bodyOverlaps(body, boat)) {
        return;
    }
    player->addComponent(RecentlyDamagedComponent::Create(IMMUNITY));
    player->refresh();
    if (auto* health = player->getComponentAs<HealthComponent>(_healthLookup.get())) {
        health->current_health -= 1;
    }
}

bool ExplosionCollisionSystem::bodyOverlaps(const BodyComponent* a, const BodyComponent* b) const {
    if (a == nullptr || b == nullptr) {
        return false;
    }
    return b->x_pos < a->x_pos && a->x_pos < b->x_pos + static_cast<float>(b->getWidth()) &&
           b->y_pos < a->y_pos && a->y_pos < b->y_pos + static_cast<float>(b->getHeight());
}

void ExplosionCollisionSystem::makeFlyoff(const std::string& text, float x, float y, bool flag) {
    auto label = GameEntityFactory::createEntity();
    auto textBody = std::make_shared<TextBodyComponent>();
    textBody->text = text;
    textBody->x_pos = x - FLYOFF_OFFSET;
    textBody->y_pos = y;
    textBody->text_r = flag ? PENALTY_RED : WHITE;
    textBody->text_g = flag ? 0 : WHITE;
    textBody->text_b = flag ? 0 : WHITE;
    textBody->y_velocity = FLYOFF_RISE;
    textBody->y_acceleration = FLYOFF_SLOWDOWN;
    label->addComponent(textBody);
    label->addComponent(std::make_shared<ScoreFlyoffComponent>());
    label->refresh();
}

} // namespace tarvex::game
