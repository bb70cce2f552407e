#include "graphics/RenderGroup.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/DebugLogger.hpp"
#include "platform/DrawingLayer.hpp"

#include <algorithm>

namespace tarvex::graphics {

const Type& RenderGroup::staticType() {
    static const Type& type = TypeBuilder<RenderGroup>("RenderGroup").build();
    return type;
}

void RenderGroup::add(const Ref<AbstractRenderRequest>& request, const std::string& name) {
    if (!request) {
        throw Error("Cannot add item \"" + name + "\" to group - null request");
    }
    _items.push_back(request);
    if (!name.empty()) {
        request->setIdentifier(name);
        _itemLookup[name] = request;
    }
}

void RenderGroup::addArray(std::span<const Ref<AbstractRenderRequest>> requests) {
    for (const auto& request : requests) {
        if (request) {
            add(request, "");
        }
    }
}

Ref<AbstractRenderRequest> RenderGroup::get(const std::string& name) const {
    const auto found = _itemLookup.find(name);
    return found == _itemLookup.end() ? nullptr : found->second;
}

void RenderGroup::remove(const Ref<AbstractRenderRequest>& request) {
    const auto found = std::find(_items.begin(), _items.end(), request);
    if (found == _items.end()) {
        return;
    }
    // Keep the request alive for its notification even if the list held the last reference.
    const Ref<AbstractRenderRequest> removed = *found;
    _items.erase(found);
    removed->onRemoved();
}

void RenderGroup::removeByName(const std::string& name) {
    if (const auto request = get(name)) {
        remove(request);
    }
}

void RenderGroup::sort(std::int32_t ascending) {
    std::stable_sort(_items.begin(), _items.end(), [ascending](const auto& a, const auto& b) {
        const std::int32_t order = SortByZIndex(*a, *b);
        return ascending != 0 ? order < 0 : order > 0;
    });
}

void RenderGroup::clear() {
    // Taken out first: an item's onRemoved() may touch this group.
    std::vector<Ref<AbstractRenderRequest>> items;
    items.swap(_items);
    for (const auto& item : items) {
        item->onRemoved();
    }
}

std::string RenderGroup::trace() const {
    std::string text = "RenderGroup.trace [" + _identifier + "] {\n";
    for (const auto& item : _items) {
        text += item->trace() + "\n";
    }
    return text + "}\n";
}

std::int32_t RenderGroup::countItems() const {
    std::int32_t count = 0;
    for (const auto& item : _items) {
        count += item->countItems();
    }
    return count;
}

void RenderGroup::setIdentifier(const std::string& name) {
    AbstractRenderRequest::setIdentifier(name);
    _timerName = name.empty() ? std::string() : "RenderGroup[" + name + "]";
}

void RenderGroup::move(float dx, float dy) {
    for (const auto& item : _items) {
        item->move(dx, dy);
    }
}

void RenderGroup::update(float delta) {
    // By index: an item's update may add to this group.
    for (std::size_t i = 0; i < _items.size(); ++i) {
        const Ref<AbstractRenderRequest> item = _items[i];
        item->update(delta);
    }
}

void RenderGroup::render(double tween, const AbstractRenderCamera* camera,
                         std::int32_t ignoreCamera) {
    _renderItems(tween, camera, ignoreCamera, true);
}

void RenderGroup::_renderItems(double tween, const AbstractRenderCamera* camera,
                               std::int32_t ignoreCamera, bool visibleOnly) {
    const bool timed = !_timerName.empty();
    if (timed) {
        TarvexFramework::startDebugTimer(_timerName);
    }
    for (std::size_t i = 0; i < _items.size(); ++i) {
        AbstractRenderRequest& item = *_items[i];
        if (!visibleOnly || item.isVisible()) {
            item.render(tween, camera, ignoreCamera);
        }
    }
    if (timed) {
        TarvexFramework::stopDebugTimer(_timerName);
    }
}

const Type& ClippedRenderGroup::staticType() {
    static const Type& type = TypeBuilder<ClippedRenderGroup>("ClippedRenderGroup")
                                  .field("_boundingBox", &ClippedRenderGroup::_boundingBox)
                                  .field("_currentPosition", &ClippedRenderGroup::_currentPosition)
                                  .build();
    return type;
}

Ref<ClippedRenderGroup> ClippedRenderGroup::Create(float x, float y, float width, float height) {
    auto group = std::make_shared<ClippedRenderGroup>();
    group->_currentPosition.setPosition(x, static_cast<std::int32_t>(y));
    group->_boundingBox.setPosition(0, 0);
    group->_boundingBox.setSize(width, height);
    return group;
}

void ClippedRenderGroup::move(float dx, float dy) {
    _currentPosition.addValue(dx, dy);
    RenderGroup::move(dx, dy);
}

void ClippedRenderGroup::render(double tween, const AbstractRenderCamera* camera,
                                std::int32_t ignoreCamera) {
    auto& gfx = platform::drawingLayer();
    const platform::Viewport saved = gfx.viewport();
    gfx.setViewport(static_cast<int>(getX() + _boundingBox.getX()),
                    static_cast<int>(getY() + _boundingBox.getY()),
                    static_cast<int>(_boundingBox.getWidth()),
                    static_cast<int>(_boundingBox.getHeight()));
    // Items check their own visibility here.
    _renderItems(tween, camera, ignoreCamera, false);
    gfx.setViewport(saved.x, saved.y, saved.width, saved.height);
}

} // namespace tarvex::graphics
