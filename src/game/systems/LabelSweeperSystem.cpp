#include "game/systems/LabelSweeperSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/TextBodyComponent.hpp"

namespace tarvex::game {

const Type& LabelSweeperSystem::staticType() {
    using S = LabelSweeperSystem;
    static const Type& type =
        TypeBuilder<S>("LabelSweeperSystem")
            .meta("component_types", "TextBodyComponent")
            .field("_textLookup", &S::_textLookup, {{"component_type", "TextBodyComponent"}})
            .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
            .build();
    return type;
}

void LabelSweeperSystem::initialize() {
    SweeperEntityProcessingSystem::initialize();
    autoloadServices(true);
}

void LabelSweeperSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<TextBodyComponent>(_textLookup.get());
    if (body == nullptr || !body->getLabel()) {
        return;
    }
    if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
        group->remove(body->getLabel());
    }
    body->_setLabel(nullptr);
}

} // namespace tarvex::game
