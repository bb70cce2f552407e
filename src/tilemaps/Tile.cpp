#include "tilemaps/Tile.hpp"

#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& Tile::staticType() {
    static const Type& type = TypeBuilder<Tile>("Tile")
                                  .field("id", &Tile::id)
                                  .field("collideLeft", &Tile::collideLeft)
                                  .field("collideUp", &Tile::collideUp)
                                  .field("collideDown", &Tile::collideDown)
                                  .field("collideRight", &Tile::collideRight)
                                  .field("alpha", &Tile::alpha)
                                  .build();
    return type;
}

const Type& AnimatedTileFrame::staticType() {
    static const Type& type = TypeBuilder<AnimatedTileFrame>("AnimatedTileFrame")
                                  .field("_tile", &AnimatedTileFrame::_tile)
                                  .field("_timer", &AnimatedTileFrame::_timer)
                                  .build();
    return type;
}

const Type& AnimatedTile::staticType() {
    static const Type& type = TypeBuilder<AnimatedTile>("AnimatedTile")
                                  .field("_frameList", &AnimatedTile::_frameList)
                                  .field("m_TileList", &AnimatedTile::m_TileList)
                                  .field("m_TimerList", &AnimatedTile::m_TimerList)
                                  .field("AnimPosition", &AnimatedTile::AnimPosition)
                                  .field("AnimTimer", &AnimatedTile::AnimTimer)
                                  .field("NumberOfFrames", &AnimatedTile::NumberOfFrames)
                                  .field("CurrentImage", &AnimatedTile::CurrentImage)
                                  .field("isLooped", &AnimatedTile::isLooped)
                                  .build();
    return type;
}

ObjectRef Tile::getMeta(const std::string& key) const {
    if (!_meta) {
        return nullptr;
    }
    const auto found = _meta->find(key);
    return found == _meta->end() ? nullptr : found->second;
}

void Tile::setMeta(const std::string& key, ObjectRef value) {
    if (!_meta) {
        _meta = std::make_unique<std::map<std::string, ObjectRef>>();
    }
    (*_meta)[key] = std::move(value);
}

std::uint16_t Tile::countMeta() const {
    return _meta ? static_cast<std::uint16_t>(_meta->size()) : 0;
}

const std::map<std::string, ObjectRef>& Tile::getMetaData() const {
    static const std::map<std::string, ObjectRef> none;
    return _meta ? *_meta : none;
}

Ref<Tile> Tile::Create(bool up, bool right, bool down, bool left, float alpha) {
    auto tile = std::make_shared<Tile>();
    tile->collideUp = up ? 1 : 0;
    tile->collideRight = right ? 1 : 0;
    tile->collideDown = down ? 1 : 0;
    tile->collideLeft = left ? 1 : 0;
    tile->alpha = alpha;
    return tile;
}

std::string AnimatedTile::getName() const {
    const auto name = getMeta("name");
    const auto* text = dynamic_cast<const TextObject*>(name.get());
    return text != nullptr ? text->value : std::string();
}

} // namespace tarvex
