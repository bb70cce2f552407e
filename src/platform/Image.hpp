// An image ready for drawing: one or more frames of equal size (a single picture, or a strip of
// equal cells cut from a larger picture), a handle (the point placed at the draw position) and
// load flags. Decoding happens wherever the image is loaded, on any thread; the texture is made
// by the drawing layer on the main thread when the image is first drawn.
//
//     auto strip = Image::load("explosion.png", 16, 16, 0, 8, IMAGE_MASKED, {255, 0, 255});
//     drawingLayer().drawImage(*strip, x, y, frame);
#pragma once

#include "core/Object.hpp"
#include "platform/Pixmap.hpp"

#include <cstdint>
#include <string>

namespace tarvex::platform {

enum ImageFlags : int {
    IMAGE_FILTERED = 1, // smooth (bilinear) scaling; without it pixels stay sharp
    IMAGE_MASKED = 2,   // pixels of the mask colour become transparent
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What decoding takes from the drawing layer: its image flags and mask colour, taken at one
// moment (DrawingLayer::imageLoadSettings), so that a worker thread decoding pictures never
// reads state the main thread goes on changing.
struct ImageLoadSettings {
    int flags = 0;
    Rgb mask;
    friend bool operator==(const ImageLoadSettings&, const ImageLoadSettings&) = default;
};

// Where a texture of the drawing layer lives; only the drawing layer reads or writes it, on the
// main thread. `generation` tells textures of an earlier (closed) context apart.
struct TextureSlot {
    std::uint32_t id = 0;
    std::uint64_t generation = 0;
    int width = 0;
    int height = 0;
};

class Image : public Object {
    TARVEX_OBJECT(Image, Object)
public:
    // Space around each frame in the texture, filled with copies of the frame's edge pixels, so
    // that smooth scaling never picks up a neighbouring frame.
    static constexpr int GUTTER = 1;

    Image() = default;
    ~Image() override;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // The whole picture as one frame.
    [[nodiscard]] static Ref<Image> fromPixmap(const Pixmap& pixmap, int flags = 0);
    // `count` cells of cellWidth x cellHeight starting at cell `first`, cells numbered left to
    // right, then top to bottom. Null when the cell size is not positive, the picture holds no
    // such cells, or the count is not positive.
    [[nodiscard]] static Ref<Image> fromStrip(const Pixmap& pixmap, int cellWidth, int cellHeight,
                                              int first, int count, int flags = 0);
    // Opens and decodes a PNG; the mask colour is applied when the flags ask for it. Null when
    // the file is missing or not a valid PNG.
    [[nodiscard]] static Ref<Image> load(const std::string& url, int flags, Rgb mask);
    [[nodiscard]] static Ref<Image> load(const std::string& url, int cellWidth, int cellHeight,
                                         int first, int count, int flags, Rgb mask);

    // Size of one frame in pixels.
    [[nodiscard]] int width() const { return _width; }
    [[nodiscard]] int height() const { return _height; }
    [[nodiscard]] int frameCount() const { return _frames; }
    [[nodiscard]] int flags() const { return _flags; }

    [[nodiscard]] float handleX() const { return _handleX; }
    [[nodiscard]] float handleY() const { return _handleY; }
    void setHandle(float x, float y) {
        _handleX = x;
        _handleY = y;
    }

    // The frames laid out for one texture, and the top-left of a frame inside it (frame indices
    // outside the image are clamped).
    [[nodiscard]] const Pixmap& atlas() const { return _atlas; }
    [[nodiscard]] int frameLeft(int frame) const;
    [[nodiscard]] int frameTop(int frame) const;
    // A frame copied out (for tests and tools).
    [[nodiscard]] Pixmap framePixels(int frame) const;

    [[nodiscard]] TextureSlot& texture() const { return _texture; }

private:
    [[nodiscard]] int clampFrame(int frame) const;

    int _width = 0;
    int _height = 0;
    int _frames = 0;
    int _columns = 1;
    int _flags = 0;
    float _handleX = 0;
    float _handleY = 0;
    Pixmap _atlas;
    mutable TextureSlot _texture;
};

} // namespace tarvex::platform
