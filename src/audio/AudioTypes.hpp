// Start-up registration of the audio service's classes (and of the layers below it).
#pragma once

namespace tarvex {

// Registers resource and audio classes with the TypeRegistry; safe to call again.
void registerAudioTypes();

} // namespace tarvex
