#include "platform/GraphicsContext.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::platform {

const Type& GraphicsContext::staticType() {
    static const Type& type = TypeBuilder<GraphicsContext>("GraphicsContext").build();
    return type;
}

} // namespace tarvex::platform
