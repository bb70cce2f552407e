#include "game/systems/PlayerInputSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "game/systems/ChargeDetonation.hpp"
#include "game/systems/EntityLists.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/Input.hpp"

namespace tarvex::game {

namespace {

constexpr float CHARGE_INSET = 5; // the charge leaves from the middle of the hull
constexpr float CHARGE_RISE = 4;  // ... just above the keel
constexpr float SPLASH_RISE = 1;  // the splash sits at the waterline
constexpr std::int32_t DROP_SPLASH_DROPS = 25;
constexpr float DROP_SPLASH_WIDTH = 6;
constexpr float CHARGE_GRAVITY = 9.8F;
constexpr float CHARGE_TOP_SPEED = 98;
constexpr float BUBBLE_FREQUENCY = 0.95F;
constexpr float BUBBLE_SIZE = 6;
constexpr float BUBBLE_LIFESPAN = 2.0F;
constexpr std::int32_t BUBBLE_COUNT = 10;

} // namespace

const Type& PlayerInputSystem::staticType() {
    static const Type& type =
        TypeBuilder<PlayerInputSystem>("PlayerInputSystem")
            .meta("component_types", "PlayerComponent, BodyComponent")
            .field("_resourceDb", &PlayerInputSystem::_resourceDb, {{"autoload_service", "1"}})
            .field("_renderer", &PlayerInputSystem::_renderer, {{"autoload_service", "1"}})
            .field("_audioDb", &PlayerInputSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_sessionDb", &PlayerInputSystem::_sessionDb, {{"autoload_service", "1"}})
            .field("_playerLookup", &PlayerInputSystem::_playerLookup,
                   {{"component_type", "PlayerComponent"}})
            .field("_bodyLookup", &PlayerInputSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_chargeLookup", &PlayerInputSystem::_chargeLookup,
                   {{"component_type", "DepthChargeComponent"}})
            .build();
    return type;
}

void PlayerInputSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void PlayerInputSystem::processEntity(Entity& entity) {
    auto* player = entity.getComponentAs<PlayerComponent>(_playerLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (player == nullptr || body == nullptr) {
        return;
    }
    auto& keys = platform::keyboard();
    const auto width = static_cast<float>(body->getWidth());

    // Steering changes the acceleration per step, whatever the step's length.
    if (keys.keyDown(platform::KEY_LEFT)) {
        body->x_acceleration = std::max(body->x_acceleration - STEER_STEP, -STEER_LIMIT);
    } else if (keys.keyDown(platform::KEY_RIGHT)) {
        body->x_acceleration = std::min(body->x_acceleration + STEER_STEP, STEER_LIMIT);
    } else {
        body->x_acceleration = 0; // the drag slows the boat down
    }

    if (keys.keyHit(platform::KEY_SPACE) != 0) {
        if (player->_isDroppingCharge) {
            for (const auto& charge : entitiesWith(getWorld(), _chargeLookup.get())) {
                detonateCharge(*charge);
            }
            player->_isDroppingCharge = false;
        } else if (!_chargesSpent()) {
            if (_sessionDb) {
                _sessionDb->increaseChargesDropped(1);
            }
            // Integer halving on purpose: the drop point is a whole pixel.
            const auto middle =
                static_cast<float>(body->getWidth() / 2); // NOLINT(bugprone-integer-division)
            const auto height = static_cast<float>(body->getHeight());
            dropCharge(body->x_pos + middle - CHARGE_INSET, body->y_pos + height - CHARGE_RISE);
            if (_audioDb) {
                _audioDb->playRandomSoundByName("depthrun.sounds.splash*");
            }
            GameEntityFactory::createSpash(body->x_pos + middle - CHARGE_INSET,
                                           body->y_pos + height - SPLASH_RISE, DROP_SPLASH_DROPS,
                                           DROP_SPLASH_WIDTH);
            player->_isDroppingCharge = true;
        }
    }

    if (keys.keyHit(platform::KEY_S) != 0 && _sessionDb) {
        const auto level = _sessionDb->getCurrentLevel<GameLevelResource>();
        if (level && level->getTotalSonars() > 0 &&
            _sessionDb->getSonarsUsedThisLevel() < level->getTotalSonars() &&
            !getWorld()->getTagManager()->isRegistered("sonar_wave")) {
            _sessionDb->increaseSonarsUsed(1);
            createSonarWave();
        }
    }

    if (body->x_pos < 0) {
        body->x_pos = 0;
        body->x_acceleration = 0;
        body->x_velocity = 0;
    }
    const auto screenWidth = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    if (body->x_pos + width > screenWidth) {
        body->x_pos = screenWidth - width;
        body->x_acceleration = 0;
        body->x_velocity = 0;
    }
}

bool PlayerInputSystem::_chargesSpent() const {
    if (!_sessionDb) {
        return false;
    }
    const auto level = _sessionDb->getCurrentLevel<GameLevelResource>();
    return level && level->getTotalCharges() > 0 &&
           _sessionDb->getChargesDroppedThisLevel() >= level->getTotalCharges();
}

void PlayerInputSystem::createSonarWave() {
    if (_audioDb) {
        _audioDb->playSoundResource("depthrun.sounds.sonar");
    }
    GameEntityFactory::createSonarWave();
}

void PlayerInputSystem::detonateCharge(Entity& entity) {
    detonateDepthCharge(entity, _audioDb.get());
}

void PlayerInputSystem::dropCharge(float x, float y) {
    auto charge = GameEntityFactory::createEntity();
    charge->addComponent(std::make_shared<DepthChargeComponent>());
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.objects.depth_charge";
    body->animation_name = "depthrun.objects.depth_charge_spin";
    body->x_pos = x;
    body->y_pos = y;
    body->y_acceleration = CHARGE_GRAVITY;
    body->y_max_velocity = CHARGE_TOP_SPEED;
    charge->addComponent(body);
    auto bubbles = std::make_shared<ParticleGeneratorComponent>();
    bubbles->spawn_frequency = BUBBLE_FREQUENCY;
    bubbles->x_pos = x;
    bubbles->y_pos = y;
    bubbles->width = BUBBLE_SIZE;
    bubbles->height = BUBBLE_SIZE;
    bubbles->particle_lifespan = BUBBLE_LIFESPAN;
    bubbles->max_particles = BUBBLE_COUNT;
    bubbles->_particle_type = "BubbleParticle";
    charge->addComponent(bubbles);
    charge->refresh();
}

} // namespace tarvex::game
