#include "graphics/AbstractRenderRequest.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::graphics {

const Type& AbstractRenderRequest::staticType() {
    static const Type& type = TypeBuilder<AbstractRenderRequest>("AbstractRenderRequest")
                                  .field("_identifier", &AbstractRenderRequest::_identifier)
                                  .field("_zIndex", &AbstractRenderRequest::_zIndex)
                                  .field("_ignoreCamera", &AbstractRenderRequest::_ignoreCamera)
                                  .field("_isVisible", &AbstractRenderRequest::_isVisible)
                                  .build();
    return type;
}

std::string AbstractRenderRequest::trace() const {
    return "    " + getType().getName();
}

} // namespace tarvex::graphics
