// The resource classes of tile maps and tile sets (types "tilemap" and "tileset"). Their
// binary readers belong to the tile-map subsystem, which builds on this one and installs them
// here when its types are registered (registerTileMapTypes); without a reader both classes
// answer null, so a definition of either type is accepted and simply has nothing to hand out.
#pragma once

#include "resources/BaseResource.hpp"

#include <functional>
#include <string>

namespace tarvex {

// Reads the asset file of a tile resource; null when it cannot.
using TileResourceReader = std::function<ObjectRef(const std::string& file)>;

class TileMapResource : public BaseResource {
    TARVEX_OBJECT(TileMapResource, BaseResource)
public:
    // Installed once at start-up, before resources are loaded.
    static void setReader(TileResourceReader reader);

protected:
    void _loadDefinition() override {}
    void _load() override;
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return _tilemap; }

private:
    ObjectRef _tilemap;
};

class TileSetResource : public BaseResource {
    TARVEX_OBJECT(TileSetResource, BaseResource)
public:
    // The reader also builds the set's lookup by tile index.
    static void setReader(TileResourceReader reader);

protected:
    void _loadDefinition() override {}
    // An unreadable set writes "Could not load tileset from: <file>" to the debug log.
    void _load() override;
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return _tileset; }

private:
    ObjectRef _tileset;
};

} // namespace tarvex
