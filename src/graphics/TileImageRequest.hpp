// One frame of an image repeated over the viewport (or over a clip box of `_width` by
// `_height` at the request's position), e.g. a scrolling pattern: change the offset to
// move the pattern under a fixed box.
//
//     auto water = TileImageRequest::Create(waves, 0, 71, 224, 217);
//     water->setOffset(scroll, 0);
//
// The camera does not move tiled images.
#pragma once

#include "graphics/AbstractSpriteRequest.hpp"
#include "platform/Image.hpp"

namespace tarvex::graphics {

class TileImageRequest : public AbstractSpriteRequest {
    TARVEX_OBJECT(TileImageRequest, AbstractSpriteRequest)
public:
    TileImageRequest() = default;

    [[nodiscard]] static Ref<TileImageRequest> Create(Ref<platform::Image> image, float x, float y,
                                                      std::int32_t w, std::int32_t h);

    TileImageRequest& setImage(Ref<platform::Image> image, std::int32_t frame);
    TileImageRequest& setFrame(std::int32_t frame);
    // 0 by 0: no clip box, the whole current viewport is filled.
    TileImageRequest& setDimensions(std::int32_t width, std::int32_t height);
    // Where one copy of the pattern sits, relative to the request's position.
    TileImageRequest& setOffset(float x, float y);

    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

private:
    std::int32_t _frame = 0;
    Ref<platform::Image> _image;
    std::int32_t _width = 0;
    std::int32_t _height = 0;
    float _xOff = 0;
    float _yOff = 0;
};

} // namespace tarvex::graphics
