// Registration of the screen classes with the type registry (after the graphics classes and
// the layers below them), called once at start-up; safe to call again.
#pragma once

namespace tarvex {

void registerScreenTypes();

} // namespace tarvex
