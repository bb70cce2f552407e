// A render request made of other requests, drawn in the order they were added. Each screen
// owns one; the gameplay screen adds the named groups "sprites" and "ui" to the queue, and
// entity systems put their sprites into "sprites":
//
//     auto group = std::make_shared<RenderGroup>();
//     group->add(score, "score");           // the name also becomes the request's identifier
//     group->removeByName("score");         // calls the request's onRemoved()
//
// Removing a group with remove() (or removing it from the queue with remove()) clears it and
// notifies every item.
#pragma once

#include "graphics/AbstractRenderRequest.hpp"
#include "graphics/Rectangle2D.hpp"

#include <map>
#include <span>
#include <string>
#include <vector>

namespace tarvex::graphics {

class RenderGroup : public AbstractRenderRequest {
    TARVEX_OBJECT(RenderGroup, AbstractRenderRequest)
public:
    RenderGroup() = default;

    // Raises "Cannot add item "<name>" to group - null request" for a null request.
    virtual void add(const Ref<AbstractRenderRequest>& request, const std::string& name);
    virtual void addArray(std::span<const Ref<AbstractRenderRequest>> requests);
    [[nodiscard]] virtual Ref<AbstractRenderRequest> get(const std::string& name) const;
    // Removes it from the draw list (the name stays looked up), then calls its onRemoved().
    virtual void remove(const Ref<AbstractRenderRequest>& request);
    virtual void removeByName(const std::string& name);
    // Stable; by ascending z-index when `ascending` is non-zero, descending otherwise.
    virtual void sort(std::int32_t ascending);
    virtual void clear();
    [[nodiscard]] std::string trace() const override;
    [[nodiscard]] std::int32_t countItems() const override;

    [[nodiscard]] const std::vector<Ref<AbstractRenderRequest>>& getItems() const { return _items; }

    void setIdentifier(const std::string& name) override;
    void move(float dx, float dy) override;
    [[nodiscard]] float getX() const override { return 0; }
    [[nodiscard]] float getY() const override { return 0; }
    void update(float delta) override;
    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;
    void onRemoved() override { clear(); }

protected:
    void _renderItems(double tween, const AbstractRenderCamera* camera, std::int32_t ignoreCamera,
                      bool visibleOnly);

    std::vector<Ref<AbstractRenderRequest>> _items;
    std::map<std::string, Ref<AbstractRenderRequest>, std::less<>> _itemLookup;

private:
    std::string _timerName; // "RenderGroup[<identifier>]", made when the identifier is set
};

// A group whose items are clipped to a box placed relative to the group's position. The clip
// box is in screen units: the camera does not move it.
class ClippedRenderGroup : public RenderGroup {
    TARVEX_OBJECT(ClippedRenderGroup, RenderGroup)
public:
    ClippedRenderGroup() = default;
    [[nodiscard]] static Ref<ClippedRenderGroup> Create(float x, float y, float width,
                                                        float height);

    void move(float dx, float dy) override;
    [[nodiscard]] float getX() const override { return _currentPosition.getX(); }
    [[nodiscard]] float getY() const override { return _currentPosition.getY(); }
    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

private:
    Rectangle2D _boundingBox;
    Position2D _currentPosition;
};

} // namespace tarvex::graphics
