// Start-up registration of the Brix reader's classes (and of the layers below them).
#pragma once

namespace tarvex {

// Registers kernel classes, then BrixField, BrixGroup and BrixFile; safe to call again.
void registerBrixTypes();

} // namespace tarvex
