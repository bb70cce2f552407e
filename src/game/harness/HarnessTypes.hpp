// Registers the harness's classes with the type registry (after the game's own).
#pragma once

namespace tarvex::game::harness {

void registerHarnessTypes();

} // namespace tarvex::game::harness
