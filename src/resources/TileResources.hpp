// The resource classes of tile maps and tile sets (types "tilemap" and "tileset"). Their
// binary readers belong to the tile-map subsystem, which builds on this one; until it hooks
// them in, both classes register their types and answer null, so a definition of either type
// is accepted and simply has nothing to hand out.
#pragma once

#include "resources/BaseResource.hpp"

namespace tarvex {

class TileMapResource : public BaseResource {
    TARVEX_OBJECT(TileMapResource, BaseResource)
protected:
    void _loadDefinition() override {}
    void _load() override {}
    void _free() override { _tilemap = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _tilemap; }

private:
    ObjectRef _tilemap;
};

class TileSetResource : public BaseResource {
    TARVEX_OBJECT(TileSetResource, BaseResource)
protected:
    void _loadDefinition() override {}
    void _load() override {}
    void _free() override { _tileset = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _tileset; }

private:
    ObjectRef _tileset;
};

} // namespace tarvex
