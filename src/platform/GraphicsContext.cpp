#include "platform/GraphicsContext.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::platform {

const Type& GraphicsContext::staticType() {
    static const Type& type = TypeBuilder<GraphicsContext>("GraphicsContext").build();
    return type;
}

GraphicsContext::~GraphicsContext() {
    // The concrete part is gone already: the layer must not call this context any more.
    drawingLayer().contextDestroyed(this);
}

} // namespace tarvex::platform
