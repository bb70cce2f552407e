// Start-up registration of the resource subsystem's classes (and of the layers below them).
// The order matters: the resource manager picks the first registered class whose
// `resource_type` (or serializer `extensions`) metadata fits, so the classes are registered
// in a fixed order here rather than wherever they happen to be first used.
#pragma once

namespace tarvex {

// Registers the Brix reader, the file and archive classes (with the zip stream schemes), the
// resource manager and services, the definition serializers and every resource class; safe
// to call again.
void registerResourceTypes();

} // namespace tarvex
