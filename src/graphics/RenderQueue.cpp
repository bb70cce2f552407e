#include "graphics/RenderQueue.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex::graphics {

const Type& RenderQueue::staticType() {
    static const Type& type = TypeBuilder<RenderQueue>("RenderQueue")
                                  .field("_renderObjects", &RenderQueue::_renderObjects)
                                  .field("_camera", &RenderQueue::_camera)
                                  .build();
    return type;
}

RenderQueue::RenderQueue() : _renderObjects(std::make_shared<Bag<AbstractRenderRequest>>()) {}

Ref<AbstractRenderRequest> RenderQueue::add(const Ref<AbstractRenderRequest>& request,
                                            const std::string& name) {
    if (!request) {
        return nullptr;
    }
    _renderObjects->add(request);
    _addLookup(request, name);
    return request;
}

void RenderQueue::_addLookup(const Ref<AbstractRenderRequest>& request, const std::string& name) {
    if (!name.empty() && request) {
        _renderObjectsLookup[name] = request;
    }
}

void RenderQueue::_removeKeepingOrder(const AbstractRenderRequest* request) {
    // The bag's own removal fills the gap with the last request, which would draw it under
    // the ones it was added after; shift the rest down instead.
    const std::int32_t at = _renderObjects->findObject(request);
    if (at < 0) {
        return;
    }
    const std::int32_t last = _renderObjects->getSize() - 1;
    for (std::int32_t i = at; i < last; ++i) {
        _renderObjects->_swap(i, i + 1);
    }
    _renderObjects->removeLast();
}

void RenderQueue::remove(const Ref<AbstractRenderRequest>& request, std::int32_t /*flag*/) {
    if (!request || !_renderObjects->contains(request)) {
        return;
    }
    _removeKeepingOrder(request.get());
    request->onRemoved();
}

void RenderQueue::removeGroup(const std::string& name) {
    const auto found = _renderObjectsLookup.find(name);
    if (found == _renderObjectsLookup.end()) {
        return;
    }
    const Ref<AbstractRenderRequest> request = found->second;
    _renderObjectsLookup.erase(found);
    _removeKeepingOrder(request.get());
}

void RenderQueue::clear(std::int32_t /*flag*/) {
    _renderObjects->clear();
}

void RenderQueue::sort(std::int32_t ascending) {
    _renderObjects->sort(ascending != 0 ? Bag<AbstractRenderRequest>::SORT_ASC
                                        : Bag<AbstractRenderRequest>::SORT_DESC,
                         [](const auto& a, const auto& b) {
                             const std::int32_t order = AbstractRenderRequest::SortByZIndex(*a, *b);
                             return order > 0 ? 1 : (order < 0 ? -1 : 0);
                         });
}

Ref<AbstractRenderRequest> RenderQueue::getRequest(const std::string& name) const {
    const auto found = _renderObjectsLookup.find(name);
    return found == _renderObjectsLookup.end() ? nullptr : found->second;
}

void RenderQueue::update(float delta) {
    if (_camera) {
        _camera->update(delta);
    }
    // By position: a request's update may add to the queue.
    for (std::int32_t i = 0; i < _renderObjects->getSize(); ++i) {
        const Ref<AbstractRenderRequest> request = _renderObjects->get(i);
        request->update(delta);
    }
    if (_camera) {
        _camera->update(delta);
    }
}

void RenderQueue::render(float tween, std::int32_t clearAfter) {
    const AbstractRenderCamera* camera = _camera.get();
    for (std::int32_t i = 0; i < _renderObjects->getSize(); ++i) {
        AbstractRenderRequest& request = *_renderObjects->get(i);
        if (request.isVisible()) {
            request.render(tween, camera, 0);
        } else {
            debugLog(request.getIndentifier() + " is invisble");
        }
    }
    if (clearAfter != 0) {
        clear(0);
    }
}

std::string RenderQueue::trace() const {
    std::string text = "RenderQueue.trace {\n";
    for (const auto& request : *_renderObjects) {
        text += request->trace() + "\n";
    }
    return text + "}";
}

std::int32_t RenderQueue::countItems() const {
    std::int32_t count = 0;
    for (const auto& request : *_renderObjects) {
        count += request->countItems();
    }
    return count;
}

} // namespace tarvex::graphics
