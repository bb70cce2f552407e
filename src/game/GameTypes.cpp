#include "game/GameTypes.hpp"

#include "audio/AudioTypes.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityTypes.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/app/DepthrunGame.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/particles/BaseParticle.hpp"
#include "game/particles/ParticleList.hpp"
#include "game/particles/ParticlesRequest.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "game/screens/GameOverScreen.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "game/screens/Overlays.hpp"
#include "game/screens/PreloadScreen.hpp"
#include "game/screens/SimpleTimer.hpp"
#include "game/screens/TitleScreen.hpp"
#include "game/systems/BodyMovementSystem.hpp"
#include "game/systems/ChargeBubblesSystem.hpp"
#include "game/systems/ChargeHitsFloorSystem.hpp"
#include "game/systems/CloudUpdaterSystem.hpp"
#include "game/systems/DamageTimerSystem.hpp"
#include "game/systems/EntityLifespanSystem.hpp"
#include "game/systems/ExplosionCollisionSystem.hpp"
#include "game/systems/FishMovementSystem.hpp"
#include "game/systems/FishSpawnerSystem.hpp"
#include "game/systems/LabelLoaderSystem.hpp"
#include "game/systems/LabelSweeperSystem.hpp"
#include "game/systems/MineUpdaterSystem.hpp"
#include "game/systems/MissileCollisionSystem.hpp"
#include "game/systems/ParticleGeneratorSystem.hpp"
#include "game/systems/ParticleInitializerSystem.hpp"
#include "game/systems/ParticleSweeperSystem.hpp"
#include "game/systems/PlaneAiSystem.hpp"
#include "game/systems/PlaneSpawnerSystem.hpp"
#include "game/systems/PlayerDestroyedSystem.hpp"
#include "game/systems/PlayerFragmentSystem.hpp"
#include "game/systems/PlayerHealthSystem.hpp"
#include "game/systems/PlayerInputSystem.hpp"
#include "game/systems/ResourceLoaderSystem.hpp"
#include "game/systems/ResourceSweeperSystem.hpp"
#include "game/systems/ScoreFlyoffSystem.hpp"
#include "game/systems/SinkingSubmarineSystem.hpp"
#include "game/systems/SonarDetectionSystem.hpp"
#include "game/systems/SonarWaveSystem.hpp"
#include "game/systems/SubmarineAiSystem.hpp"
#include "game/systems/SubmarineBubblesSystem.hpp"
#include "game/systems/SubmarineSpawnerSystem.hpp"
#include "game/systems/SubmarineWrapperSystem.hpp"
#include "game/systems/TextBodyMovementSystem.hpp"
#include "screens/ScreenTypes.hpp"
#include "session/SessionTypes.hpp"

namespace tarvex::game {

void registerGameTypes() {
    registerEntityTypes();
    registerScreenTypes(); // graphics and resources below it
    registerSessionTypes();
    registerAudioTypes();
    auto& registry = TypeRegistry::instance();
    registry.add<GameLevelResource>();
    registry.add<BodyComponent, TextBodyComponent, ParticleGeneratorComponent, PlayerComponent,
                 HealthComponent, SmokeComponent, SonarWaveComponent, DepthChargeComponent,
                 ExplosionComponent, RecentlyDamagedComponent, DestroyedComponent,
                 LifespanComponent, SubmarineComponent, PropellerComponent, MissileComponent,
                 DetectedComponent, FishComponent, MineComponent, MineLayerComponent,
                 CloudComponent, PlayerFragmentComponent, ScoreFlyoffComponent>();
    registry.add<GameEntityFactory, DepthrunGame>();
    // Particle classes are made by name ("BubbleParticle") for their emitters.
    registry.add<BaseParticle, BaseWobblyParticle, WaterSplashParticle, BubbleParticle,
                 FireParticle, SmokeParticle, ParticleList, ParticlesRequest, SimpleTimer>();
    registry.add<PreloadScreen, TitleScreen, GameplayScreen, GameOverScreen, BaseOverlay,
                 LevelIntroOverlay, LevelCompleteOverlay, MissionFailedOverlay>();
    registry
        .add<BodyMovementSystem, ChargeBubblesSystem, ChargeHitsFloorSystem, CloudUpdaterSystem,
             DamageTimerSystem, EntityLifespanSystem, ExplosionCollisionSystem, FishMovementSystem,
             FishSpawnerSystem, LabelLoaderSystem, LabelSweeperSystem, MineUpdaterSystem,
             MissileCollisionSystem, ParticleGeneratorSystem, ParticleInitializerSystem,
             ParticleSweeperSystem, PlaneAiSystem, PlaneSpawnerSystem, PlayerDestroyedSystem,
             PlayerFragmentSystem, PlayerHealthSystem, PlayerInputSystem, ResourceLoaderSystem,
             ResourceSweeperSystem, ScoreFlyoffSystem, SinkingSubmarineSystem, SonarDetectionSystem,
             SonarWaveSystem, SubmarineAiSystem, SubmarineBubblesSystem, SubmarineSpawnerSystem,
             SubmarineWrapperSystem, TextBodyMovementSystem>();
    // A system naming a component class left out above would never hold an entity: fail now.
    checkEntitySystemTypes();
}

} // namespace tarvex::game
