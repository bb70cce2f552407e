// Registers the tile map classes (and the modules they stand on) with the type registry; the
// tile readers are found there.
#pragma once

namespace tarvex {

void registerTileMapTypes();

} // namespace tarvex
