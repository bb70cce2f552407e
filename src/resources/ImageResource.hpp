// A picture: either one image (type "image") or a strip of equal cells cut from one picture
// (type "imagestrip"), decoded with the drawing layer's current image flags and mask colour.
//
//     [t:resource, n:mine] { type = imagestrip; file = mine.png;
//                            width = 9; height = 9; frames = 2; offset = 0;
//                            x_handle = 4; y_handle = 4; }
//
// `width` and `height` are the cell size in pixels, `offset` the first cell (cells are numbered
// left to right, then top to bottom) and `frames` the number of cells; `x_handle` and
// `y_handle`, when not both 0, become the image's handle (the point drawn at the position).
//
// Decoding may happen on the loader's worker thread; the drawing layer makes the texture on
// the main thread at the first draw. The flags and mask colour are read from the drawing layer
// when the image is loaded, so the game sets them before it starts loading.
#pragma once

#include "platform/Image.hpp"
#include "resources/BaseResource.hpp"

namespace tarvex {

class ImageResource : public BaseResource {
    TARVEX_OBJECT(ImageResource, BaseResource)
public:
    // The image, read first when needed; null when the file could not be read.
    [[nodiscard]] Ref<platform::Image> getImage();
    [[nodiscard]] float getXOffset() const { return _xOffset; }
    [[nodiscard]] float getYOffset() const { return _yOffset; }

protected:
    void _loadDefinition() override;
    void _load() override;
    void _free() override { _image = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _image; }

private:
    Ref<platform::Image> _image;
    float _xOffset = 0;
    float _yOffset = 0;
};

} // namespace tarvex
