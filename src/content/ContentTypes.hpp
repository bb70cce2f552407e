// Registers the content database's classes (and the modules it stands on) with the type
// registry; the template and schema readers are found there.
#pragma once

namespace tarvex {

void registerContentTypes();

} // namespace tarvex
