#include "game/systems/ResourceLoaderSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "platform/DrawingLayer.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/ImageResource.hpp"

namespace tarvex::game {

const Type& ResourceLoaderSystem::staticType() {
    static const Type& type =
        TypeBuilder<ResourceLoaderSystem>("ResourceLoaderSystem")
            .meta("component_types", "BodyComponent")
            .field("_bodyLookup", &ResourceLoaderSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_resourceDb", &ResourceLoaderSystem::_resourceDb, {{"autoload_service", "1"}})
            .field("_renderer", &ResourceLoaderSystem::_renderer, {{"autoload_service", "1"}})
            .build();
    return type;
}

void ResourceLoaderSystem::initialize() {
    InitializerEntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ResourceLoaderSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || body->getSprite() || !_resourceDb) {
        return;
    }
    if (!body->sprite_name.empty()) {
        body->setImage(
            std::dynamic_pointer_cast<ImageResource>(_resourceDb->get(body->sprite_name, false)));
        const auto& sprite = body->getSprite();
        if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
            group->add(sprite, "");
        }
        sprite->setPosition(body->x_pos, body->y_pos);
        sprite->setBlendMode(platform::BLEND_ALPHA);
        sprite->SetAlpha(body->sprite_alpha);
        if (body->sprite_frame != 0) {
            sprite->setFrame(body->sprite_frame);
        }
    }
    if (!body->animation_name.empty() && body->getSprite()) {
        const auto& sprite = body->getSprite();
        sprite->setAnimation(std::dynamic_pointer_cast<AnimationResource>(
            _resourceDb->get(body->animation_name, false)));
        sprite->play(body->frameset_name.empty() ? "default" : body->frameset_name, 1.0F);
    }
}

} // namespace tarvex::game
