// Registration of the screen classes with the type registry, called once at start-up after
// the kernel's and the graphics module's.
#pragma once

namespace tarvex {

void registerScreenTypes();

} // namespace tarvex
