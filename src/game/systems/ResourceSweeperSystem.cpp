#include "game/systems/ResourceSweeperSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"

namespace tarvex::game {

const Type& ResourceSweeperSystem::staticType() {
    static const Type& type =
        TypeBuilder<ResourceSweeperSystem>("ResourceSweeperSystem")
            .meta("component_types", "BodyComponent")
            .field("_bodyLookup", &ResourceSweeperSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_renderer", &ResourceSweeperSystem::_renderer, {{"autoload_service", "1"}})
            .build();
    return type;
}

void ResourceSweeperSystem::initialize() {
    SweeperEntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ResourceSweeperSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || !body->getSprite()) {
        return;
    }
    if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
        group->remove(body->getSprite());
    }
    body->_setSprite(nullptr);
}

} // namespace tarvex::game
