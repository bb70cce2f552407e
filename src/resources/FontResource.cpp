#include "resources/FontResource.hpp"

#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex {

const Type& FontResource::staticType() {
    static const Type& type = TypeBuilder<FontResource>("FontResource")
                                  .meta("resource_type", "font")
                                  .field("_font", &FontResource::_font)
                                  .build();
    return type;
}

Ref<platform::ImageFont> FontResource::getFont() {
    (void)get();
    return _font;
}

std::int32_t FontResource::getSize() const {
    return toInt(_setting("size", "16"));
}

std::int32_t FontResource::getStyle() const {
    std::int32_t style = 0;
    if (_setting("weight", "") == "bold") {
        style |= FONT_BOLD;
    }
    if (_setting("style", "") == "italic") {
        style |= FONT_ITALIC;
    }
    if (_setting("smoothing", "") == "on") {
        style |= FONT_SMOOTHING;
    }
    return style;
}

void FontResource::_load() {
    const auto& definition = getDefinition();
    if (!definition || definition->getResourceType() != "font") {
        return;
    }
    const std::string& file = _assetFile();
    _font = platform::DrawingLayer::loadFont(file, getSize(), getStyle());
    if (!_font) {
        _reportUnreadable(file);
    }
}

} // namespace tarvex
