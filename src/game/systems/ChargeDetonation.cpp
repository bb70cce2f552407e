#include "game/systems/ChargeDetonation.hpp"

#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/components/WeaponComponents.hpp"

namespace tarvex::game {

namespace {

constexpr std::int32_t BLAST_SPREAD = 12;
constexpr std::int32_t BLAST_PIECES = 8;
constexpr float WRECKAGE_LIFESPAN = 4000; // ms: the bubbles already out finish their lives

} // namespace

void detonateDepthCharge(Entity& charge, AudioService* audio) {
    if (audio != nullptr) {
        audio->playRandomSoundByName("depthrun.sounds.explode*");
    }
    if (auto* body = charge.getComponentAs<BodyComponent>()) {
        const auto pieces = GameEntityFactory::createExplosion(body->x_pos, body->y_pos,
                                                               BLAST_SPREAD, BLAST_PIECES, true);
        for (const auto& piece : pieces) {
            if (auto* explosion = piece->getComponentAs<ExplosionComponent>()) {
                explosion->_blast = charge.getUniqueId();
            }
        }
        body->hide();
        body->stop();
    }
    charge.removeComponentByType(ComponentTypeManager::getTypeFor<DepthChargeComponent>().get());
    if (const auto& component = charge.getComponentByName("particle_generator")) {
        static_cast<ParticleGeneratorComponent&>(*component).spawn_frequency = 0;
    }
    charge.addComponent(LifespanComponent::Create(WRECKAGE_LIFESPAN));
    charge.getWorld()->refreshEntity(&charge);
}

} // namespace tarvex::game
