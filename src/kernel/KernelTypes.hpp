// Start-up registration of the kernel's classes (and of the layers below it), in a fixed order.
#pragma once

namespace tarvex {

// Registers core, platform and kernel classes with the TypeRegistry; safe to call again.
void registerKernelTypes();

} // namespace tarvex
