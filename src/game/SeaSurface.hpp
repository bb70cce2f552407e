// Where sky meets sea, in the game's virtual pixels: the top of the sea picture, the line where
// missiles break the surface, mines float and fish turn back down.
#pragma once

namespace tarvex::game {

inline constexpr float SEA_SURFACE_Y = 71;

} // namespace tarvex::game
