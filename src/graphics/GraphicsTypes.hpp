// Registration of the graphics classes with the type registry, called once at start-up.
#pragma once

namespace tarvex::graphics {

void registerGraphicsTypes();

} // namespace tarvex::graphics
