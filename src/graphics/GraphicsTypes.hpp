// Registration of the graphics classes with the type registry (after the layers below them),
// called once at start-up; safe to call again.
#pragma once

namespace tarvex::graphics {

void registerGraphicsTypes();

} // namespace tarvex::graphics
