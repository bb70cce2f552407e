#include "graphics/SpriteRenderingService.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex::graphics {

const Type& SpriteRenderingService::staticType() {
    static const Type& type = TypeBuilder<SpriteRenderingService>("SpriteRenderingService")
                                  .meta("implements", "render, update")
                                  .field("_renderer", &SpriteRenderingService::_renderer)
                                  .build();
    return type;
}

SpriteRenderingService::SpriteRenderingService() : _renderer(std::make_shared<RenderQueue>()) {
    init();
}

void SpriteRenderingService::setCameraPosition(float x, float y) {
    const auto& camera = getCamera();
    if (!camera) {
        throw Error("SpriteRenderingService.setCameraPosition -- no camera");
    }
    camera->setPosition(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
}

void SpriteRenderingService::setCamera(Ref<RenderCamera> camera) {
    _renderer->setCamera(std::move(camera));
}

const Ref<RenderCamera>& SpriteRenderingService::getCamera() const {
    return _renderer->getCamera();
}

Ref<AbstractRenderRequest> SpriteRenderingService::add(const Ref<AbstractRenderRequest>& request,
                                                       const std::string& groupName) {
    if (request) {
        request->setIdentifier(groupName);
    }
    return _renderer->add(request, groupName);
}

Ref<RenderGroup> SpriteRenderingService::getGroup(const std::string& name) const {
    return std::dynamic_pointer_cast<RenderGroup>(_renderer->getRequest(name));
}

void SpriteRenderingService::remove(const Ref<AbstractRenderRequest>& request, std::int32_t flag) {
    _renderer->remove(request, flag);
}

void SpriteRenderingService::removeGroup(const std::string& name) {
    _renderer->removeGroup(name);
}

void SpriteRenderingService::update(float delta) {
    _renderer->update(delta);
}

void SpriteRenderingService::render(float delta) {
    _renderer->render(delta, 0);
}

} // namespace tarvex::graphics
