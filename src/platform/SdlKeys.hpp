// Translation of SDL's physical keys (scancodes) to the virtual key codes the game polls.
// Physical keys keep the layout out of the game: the console key is the key left of 1,
// whatever is printed on it.
#pragma once

namespace tarvex::platform {

// The virtual key code of an SDL scancode, 0 for keys the game has no code for.
[[nodiscard]] int virtualKeyOfScancode(int scancode);

} // namespace tarvex::platform
