#include "graphics/GraphicsTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "graphics/GraphicsManager.hpp"
#include "graphics/RenderState.hpp"
#include "graphics/VirtualScreenResolution.hpp"

namespace tarvex::graphics {

void registerGraphicsTypes() {
    TypeRegistry::instance().add<VirtualScreenResolution, GraphicsManager, RenderState>();
}

} // namespace tarvex::graphics
