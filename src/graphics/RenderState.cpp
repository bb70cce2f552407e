#include "graphics/RenderState.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

const Type& RenderState::staticType() {
    static const Type& type = TypeBuilder<RenderState>("RenderState")
                                  .field("_clsColorR", &RenderState::_clsColorR)
                                  .field("_clsColorG", &RenderState::_clsColorG)
                                  .field("_clsColorB", &RenderState::_clsColorB)
                                  .field("_colorR", &RenderState::_colorR)
                                  .field("_colorG", &RenderState::_colorG)
                                  .field("_colorB", &RenderState::_colorB)
                                  .field("_maskColorR", &RenderState::_maskColorR)
                                  .field("_maskColorG", &RenderState::_maskColorG)
                                  .field("_maskColorB", &RenderState::_maskColorB)
                                  .field("_alpha", &RenderState::_alpha)
                                  .field("_blendMode", &RenderState::_blendMode)
                                  .field("_rotation", &RenderState::_rotation)
                                  .field("_scaleX", &RenderState::_scaleX)
                                  .field("_scaleY", &RenderState::_scaleY)
                                  .field("_handleX", &RenderState::_handleX)
                                  .field("_handleY", &RenderState::_handleY)
                                  .field("_originX", &RenderState::_originX)
                                  .field("_originY", &RenderState::_originY)
                                  .field("_font", &RenderState::_font)
                                  .field("_viewportX", &RenderState::_viewportX)
                                  .field("_viewportY", &RenderState::_viewportY)
                                  .field("_viewportWidth", &RenderState::_viewportWidth)
                                  .field("_viewportHeight", &RenderState::_viewportHeight)
                                  .build();
    return type;
}

void RenderState::capture() {
    const auto& layer = platform::drawingLayer();
    const auto cls = layer.clsColor();
    _clsColorR = cls.r;
    _clsColorG = cls.g;
    _clsColorB = cls.b;
    const auto color = layer.color();
    _colorR = color.r;
    _colorG = color.g;
    _colorB = color.b;
    const auto mask = layer.maskColor();
    _maskColorR = mask.r;
    _maskColorG = mask.g;
    _maskColorB = mask.b;
    _alpha = layer.alpha();
    _blendMode = layer.blend();
    _rotation = layer.rotation();
    _scaleX = layer.scaleX();
    _scaleY = layer.scaleY();
    _handleX = layer.handleX();
    _handleY = layer.handleY();
    _originX = layer.originX();
    _originY = layer.originY();
    _font = layer.font();
    const auto viewport = layer.viewport();
    _viewportX = viewport.x;
    _viewportY = viewport.y;
    _viewportWidth = viewport.width;
    _viewportHeight = viewport.height;
}

void RenderState::restore() const {
    auto& layer = platform::drawingLayer();
    layer.setAlpha(_alpha);
    layer.setFont(_font);
    layer.setBlend(_blendMode);
    layer.setRotation(_rotation);
    layer.setScale(_scaleX, _scaleY);
    layer.setColor(_colorR, _colorG, _colorB);
    layer.setClsColor(_clsColorR, _clsColorG, _clsColorB);
    layer.setMaskColor(_maskColorR, _maskColorG, _maskColorB);
    layer.setHandle(_handleX, _handleY);
    layer.setOrigin(_originX, _originY);
    layer.setViewport(_viewportX, _viewportY, _viewportWidth, _viewportHeight);
}

} // namespace tarvex::graphics
