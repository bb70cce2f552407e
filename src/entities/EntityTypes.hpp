// Start-up registration of the entity-component classes (and of the layers below them), in a
// fixed order.
#pragma once

namespace tarvex {

// Registers kernel and entity classes with the TypeRegistry; safe to call again. Call it, and
// register the game's component classes, before the first lookup of a component by meta name.
void registerEntityTypes();

// The start-up check of the registry: every registered entity system class whose
// `component_types` or `component_type` metadata names a class that is not a registered
// component class raises the error of EntitySystem::checkComponentClassName. Call it once
// every module has registered its classes; a class left out of its register...Types() is then
// found at once rather than leaving a system without entities.
void checkEntitySystemTypes();

} // namespace tarvex
