// The kernel service that owns the render queue: each frame it updates every request (and the
// camera), then draws them in the order they were added. Screens register their own group
// with it; the gameplay screen adds its named groups "sprites" and "ui":
//
//     renderer->add(sprites, "sprites");
//     renderer->getGroup("sprites")->add(boatSprite, "");
//     renderer->setCamera(RenderCamera::Create(224, 288, 0, 0));
#pragma once

#include "graphics/RenderGroup.hpp"
#include "graphics/RenderQueue.hpp"
#include "kernel/GameService.hpp"

namespace tarvex::graphics {

class SpriteRenderingService : public GameService {
    TARVEX_OBJECT(SpriteRenderingService, GameService)
public:
    SpriteRenderingService();

    // Requires a camera.
    virtual void setCameraPosition(float x, float y);
    virtual void setCamera(Ref<RenderCamera> camera);
    [[nodiscard]] virtual const Ref<RenderCamera>& getCamera() const;
    // The request's identifier becomes the name (also when it is "").
    virtual Ref<AbstractRenderRequest> add(const Ref<AbstractRenderRequest>& request,
                                           const std::string& groupName);
    // The request of that name when it is a group, else null.
    [[nodiscard]] virtual Ref<RenderGroup> getGroup(const std::string& name) const;
    virtual void remove(const Ref<AbstractRenderRequest>& request, std::int32_t flag);
    virtual void removeGroup(const std::string& name);
    [[nodiscard]] virtual RenderQueue& getRenderQueue() const { return *_renderer; }
    [[nodiscard]] virtual std::string trace() const { return _renderer->trace(); }
    [[nodiscard]] virtual std::int32_t countItems() const { return _renderer->countItems(); }

    void update(float delta) override;
    void render(float delta) override;

private:
    Ref<RenderQueue> _renderer;
};

} // namespace tarvex::graphics
