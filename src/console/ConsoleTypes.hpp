// Start-up registration of the debug console's classes (and of the layers below it).
#pragma once

namespace tarvex {

// Registers kernel and console classes with the TypeRegistry; safe to call again. Command
// classes are registered by the module that defines them, after this.
void registerConsoleTypes();

} // namespace tarvex
