#include "graphics/VirtualScreenResolution.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"

namespace tarvex::graphics {

const Type& VirtualScreenResolution::staticType() {
    static const Type& type =
        TypeBuilder<VirtualScreenResolution>("VirtualScreenResolution")
            .field("_width", &VirtualScreenResolution::_width)
            .field("_height", &VirtualScreenResolution::_height)
            .field("_stretchDisplay", &VirtualScreenResolution::_stretchDisplay)
            .field("_isEnabled", &VirtualScreenResolution::_isEnabled)
            .noFactory()
            .build();
    return type;
}

Ref<VirtualScreenResolution> VirtualScreenResolution::getInstance() {
    static const Ref<VirtualScreenResolution> instance =
        std::make_shared<VirtualScreenResolution>();
    return instance;
}

float VirtualScreenResolution::getMouseX() const {
    const auto x = static_cast<float>(platform::mouse().x());
    const int window = platform::drawingLayer().windowWidth();
    if (!_isEnabled || window <= 0) {
        return x;
    }
    return x * _width / static_cast<float>(window);
}

float VirtualScreenResolution::getMouseY() const {
    const auto y = static_cast<float>(platform::mouse().y());
    const int window = platform::drawingLayer().windowHeight();
    if (!_isEnabled || window <= 0) {
        return y;
    }
    return y * _height / static_cast<float>(window);
}

void VirtualScreenResolution::start() {
    auto& layer = platform::drawingLayer();
    layer.setVirtualResolution(_width, _height);
    if (_isEnabled) {
        layer.setViewport(0, 0, static_cast<int>(_width), static_cast<int>(_height));
    } else {
        layer.setViewport(0, 0, layer.windowWidth(), layer.windowHeight());
    }
}

} // namespace tarvex::graphics
