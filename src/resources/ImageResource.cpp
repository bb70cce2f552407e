#include "resources/ImageResource.hpp"

#include "core/DebugLog.hpp"
#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex {

const Type& ImageResource::staticType() {
    static const Type& type = TypeBuilder<ImageResource>("ImageResource")
                                  .meta("resource_type", "image, imagestrip")
                                  .field("_image", &ImageResource::_image)
                                  .field("_xOffset", &ImageResource::_xOffset)
                                  .field("_yOffset", &ImageResource::_yOffset)
                                  .build();
    return type;
}

Ref<platform::Image> ImageResource::getImage() {
    (void)get();
    return _image;
}

void ImageResource::_loadDefinition() {
    _xOffset = toFloat(_setting("x_handle", "0"));
    _yOffset = toFloat(_setting("y_handle", "0"));
}

void ImageResource::_load() {
    const auto& definition = getDefinition();
    if (!definition) {
        return;
    }
    const std::string& type = definition->getResourceType();
    const std::string& file = _assetFile();
    const auto& layer = platform::drawingLayer();
    if (type == "image") {
        _image = layer.loadImage(file);
    } else if (type == "imagestrip") {
        _image =
            layer.loadAnimImage(file, toInt(_setting("width", "")), toInt(_setting("height", "")),
                                toInt(_setting("offset", "")), toInt(_setting("frames", "")));
        if (!_image) {
            debugLog("Failed to load imagestrip \"" + getName() + "\"");
        }
    } else {
        return; // a type this class does not read
    }
    if (!_image) {
        _reportUnreadable(file);
        return;
    }
    if (_xOffset != 0 || _yOffset != 0) {
        _image->setHandle(_xOffset, _yOffset);
    }
}

} // namespace tarvex
