// Start-up registration of the game's classes (and of every framework layer below them) with
// the type registry, in a fixed order: components before the first lookup of a component by
// meta name, the level class before the level definitions are read, and the screens so that
// they can be made by class name ("TitleScreen"). Safe to call again.
#pragma once

namespace tarvex::game {

void registerGameTypes();

} // namespace tarvex::game
