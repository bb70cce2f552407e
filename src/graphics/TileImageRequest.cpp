#include "graphics/TileImageRequest.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

#include <cmath>

namespace tarvex::graphics {

const Type& TileImageRequest::staticType() {
    static const Type& type = TypeBuilder<TileImageRequest>("TileImageRequest")
                                  .field("_frame", &TileImageRequest::_frame)
                                  .field("_image", &TileImageRequest::_image)
                                  .field("_width", &TileImageRequest::_width)
                                  .field("_height", &TileImageRequest::_height)
                                  .field("_xOff", &TileImageRequest::_xOff)
                                  .field("_yOff", &TileImageRequest::_yOff)
                                  .build();
    return type;
}

Ref<TileImageRequest> TileImageRequest::Create(Ref<platform::Image> image, float x, float y,
                                               std::int32_t w, std::int32_t h) {
    auto request = std::make_shared<TileImageRequest>();
    request->setImage(std::move(image), 0);
    request->setPosition(x, y);
    request->setDimensions(w, h);
    return request;
}

TileImageRequest& TileImageRequest::setImage(Ref<platform::Image> image, std::int32_t frame) {
    _image = std::move(image);
    _frame = frame;
    return *this;
}

TileImageRequest& TileImageRequest::setFrame(std::int32_t frame) {
    _frame = frame;
    return *this;
}

TileImageRequest& TileImageRequest::setDimensions(std::int32_t width, std::int32_t height) {
    _width = width;
    _height = height;
    return *this;
}

TileImageRequest& TileImageRequest::setOffset(float x, float y) {
    _xOff = x;
    _yOff = y;
    return *this;
}

void TileImageRequest::render(double tween, const AbstractRenderCamera* /*camera*/,
                              std::int32_t /*ignoreCamera*/) {
    _interpolate(tween);
    setRenderState();
    if (!_image || !_isVisible) {
        return;
    }
    auto& gfx = platform::drawingLayer();
    const float x = _tweenedPosition.getX();
    const float y = _tweenedPosition.getY();
    const platform::Viewport saved = gfx.viewport();
    const bool clipped = _width != 0 && _height != 0;
    if (clipped) {
        gfx.setViewport(static_cast<int>(x), static_cast<int>(y), _width, _height);
    }
    const platform::Viewport area = gfx.viewport();
    const float pitchX = static_cast<float>(_image->width()) * std::abs(gfx.scaleX());
    const float pitchY = static_cast<float>(_image->height()) * std::abs(gfx.scaleY());
    if (pitchX >= 1.0F && pitchY >= 1.0F) {
        // The copy at (x + xOff, y + yOff) is one of the grid; start from the first grid
        // column and row that reach into the area.
        const float anchorX = x + _xOff;
        const float anchorY = y + _yOff;
        const float left =
            anchorX - std::ceil((anchorX - static_cast<float>(area.x)) / pitchX) * pitchX;
        const float top =
            anchorY - std::ceil((anchorY - static_cast<float>(area.y)) / pitchY) * pitchY;
        const auto right = static_cast<float>(area.x + area.width);
        const auto bottom = static_cast<float>(area.y + area.height);
        const float originX = gfx.originX();
        const float originY = gfx.originY();
        gfx.setOrigin(0, 0);
        for (float row = top; row < bottom; row += pitchY) {
            for (float column = left; column < right; column += pitchX) {
                gfx.drawImage(*_image, column, row, _frame);
            }
        }
        gfx.setOrigin(originX, originY);
    }
    if (clipped) {
        gfx.setViewport(saved.x, saved.y, saved.width, saved.height);
    }
}

} // namespace tarvex::graphics
