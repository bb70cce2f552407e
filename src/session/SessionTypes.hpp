// Start-up registration of the session store's classes (and of the layers below it).
#pragma once

namespace tarvex {

// Registers kernel and session classes with the TypeRegistry; safe to call again.
void registerSessionTypes();

} // namespace tarvex
