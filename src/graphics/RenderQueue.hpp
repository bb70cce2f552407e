// The top-level list of render requests, drawn once per frame in the order they were added
// (later ones over earlier ones), through an optional camera. Owned by SpriteRenderingService.
//
//     queue.add(spritesGroup, "sprites");
//     queue.add(uiGroup, "ui");             // everything in "ui" is drawn over "sprites"
//     queue.update(16.0F);
//     queue.render(16.0F, 0);
//
// Removing a request keeps the others in their order.
#pragma once

#include "core/Bag.hpp"
#include "graphics/AbstractRenderRequest.hpp"
#include "graphics/RenderCamera.hpp"

#include <map>
#include <string>

namespace tarvex::graphics {

class RenderQueue : public Object {
    TARVEX_OBJECT(RenderQueue, Object)
public:
    RenderQueue();

    void setCamera(Ref<RenderCamera> camera) { _camera = std::move(camera); }
    [[nodiscard]] const Ref<RenderCamera>& getCamera() const { return _camera; }
    // A null request is ignored. A name other than "" is looked up by getRequest (a later
    // request of the same name replaces the entry; both are drawn).
    Ref<AbstractRenderRequest> add(const Ref<AbstractRenderRequest>& request,
                                   const std::string& name);
    // Takes it out of the draw list and calls its onRemoved(); the name stays looked up. The
    // flag is accepted and not used.
    void remove(const Ref<AbstractRenderRequest>& request, std::int32_t flag);
    // Takes the named request out of the lookup and the draw list, without notifying it.
    void removeGroup(const std::string& name);
    // Empties the draw list, without notifying; the lookup is kept.
    void clear(std::int32_t flag);
    void sort(std::int32_t ascending);
    void _addLookup(const Ref<AbstractRenderRequest>& request, const std::string& name);
    [[nodiscard]] Ref<AbstractRenderRequest> getRequest(const std::string& name) const;
    // The camera, every request, then the camera again.
    void update(float delta);
    void render(float tween, std::int32_t clearAfter);
    [[nodiscard]] std::string trace() const;
    [[nodiscard]] std::int32_t countItems() const;

    [[nodiscard]] const Bag<AbstractRenderRequest>& getRequests() const { return *_renderObjects; }

private:
    void _removeKeepingOrder(const AbstractRenderRequest* request);

    Ref<Bag<AbstractRenderRequest>> _renderObjects;
    std::map<std::string, Ref<AbstractRenderRequest>, std::less<>> _renderObjectsLookup;
    Ref<RenderCamera> _camera;
};

} // namespace tarvex::graphics
