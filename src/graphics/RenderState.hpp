// A snapshot of the drawing layer's current state, taken at construction (or by capture())
// and written back by restore(), for code that changes the state and must leave it as found:
//
//     RenderState saved;          // captured now
//     ... draw with other colours, viewport, font ...
//     saved.restore();
#pragma once

#include "core/Object.hpp"
#include "platform/ImageFont.hpp"

#include <cstdint>

namespace tarvex::graphics {

class RenderState : public Object {
    TARVEX_OBJECT(RenderState, Object)
public:
    RenderState() { capture(); }

    void capture();
    // Writes back, in this order: alpha, font, blend, rotation, scale, colour, clear colour,
    // mask colour, handle, origin, viewport.
    void restore() const;

private:
    std::int32_t _clsColorR = 0, _clsColorG = 0, _clsColorB = 0;
    std::int32_t _colorR = 0, _colorG = 0, _colorB = 0;
    std::int32_t _maskColorR = 0, _maskColorG = 0, _maskColorB = 0;
    float _alpha = 1;
    std::int32_t _blendMode = 0;
    float _rotation = 0;
    float _scaleX = 1, _scaleY = 1;
    float _handleX = 0, _handleY = 0;
    float _originX = 0, _originY = 0;
    Ref<platform::ImageFont> _font;
    std::int32_t _viewportX = 0, _viewportY = 0, _viewportWidth = 0, _viewportHeight = 0;
};

} // namespace tarvex::graphics
