#include "entities/EntityTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "entities/DelayedEntitySystem.hpp"
#include "entities/EntityComponentMapper.hpp"
#include "entities/EntityManager.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "entities/GameEntityService.hpp"
#include "entities/GroupManager.hpp"
#include "entities/InitializerEntitySystem.hpp"
#include "entities/IntervalEntitySystem.hpp"
#include "entities/SweeperEntitySystem.hpp"
#include "entities/SystemManager.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "kernel/KernelTypes.hpp"

namespace tarvex {

void registerEntityTypes() {
    registerKernelTypes();
    TypeRegistry::instance()
        .add<ComponentType, EntityComponent, Entity, BaseManager, EntityManager, TagManager,
             GroupManager, SystemManager, World, EntityComponentMapper, EntitySystem,
             EntityProcessingSystem, IntervalEntitySystem, IntervalEntityProcessingSystem,
             DelayedEntitySystem, DelayedEntityProcessingSystem, SweeperEntitySystem,
             SweeperEntityProcessingSystem, InitializerEntitySystem,
             InitializerEntityProcessingSystem, GameEntityService>();
}

void checkEntitySystemTypes() {
    for (const Type* systemClass :
         TypeRegistry::instance().derivedFrom(EntitySystem::staticType())) {
        EntitySystem::checkComponentMetadata(*systemClass);
    }
}

} // namespace tarvex
