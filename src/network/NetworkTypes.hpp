// Start-up registration of the network layer's classes (and of the layers below it).
#pragma once

namespace tarvex {

// Registers kernel and network classes with the TypeRegistry; safe to call again.
void registerNetworkTypes();

} // namespace tarvex
