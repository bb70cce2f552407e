// Registers the tile map classes (and the modules they stand on) with the type registry, where
// the tile readers are found, and gives the "tilemap" and "tileset" resource types their
// readers, so that resource definition files can declare tile maps and tile sets.
#pragma once

namespace tarvex {

void registerTileMapTypes();

} // namespace tarvex
