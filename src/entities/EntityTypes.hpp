// Start-up registration of the entity-component classes (and of the layers below them), in a
// fixed order.
#pragma once

namespace tarvex {

// Registers kernel and entity classes with the TypeRegistry; safe to call again. Call it, and
// register the game's component classes, before the first lookup of a component by meta name.
void registerEntityTypes();

} // namespace tarvex
