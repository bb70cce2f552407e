// Snapshots of the world's entity lists for systems that change those lists while walking them
// (removing the component a list is keyed on moves entities inside the live list).
#pragma once

#include "entities/EntityManager.hpp"
#include "entities/World.hpp"

#include <vector>

namespace tarvex::game {

// The live entities holding a component of `type`, in list order; empty when none ever did.
[[nodiscard]] inline std::vector<Ref<Entity>> entitiesWith(const World* world,
                                                           const ComponentType* type) {
    std::vector<Ref<Entity>> entities;
    if (world == nullptr || type == nullptr) {
        return entities;
    }
    if (const Bag<Entity>* list = world->getEntityManager()->getEntitiesWithComponent(type)) {
        entities.reserve(static_cast<std::size_t>(list->getSize()));
        for (std::int32_t i = 0; i < list->getSize(); ++i) {
            if (const auto& entity = list->get(i)) {
                entities.push_back(entity);
            }
        }
    }
    return entities;
}

} // namespace tarvex::game
