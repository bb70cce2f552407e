// The CPU compositor behind the drawing layer's default renderer. Frames are composed here, in
// window pixels, and shown as one texture per frame; on software OpenGL this is several times
// faster than rasterising every sprite through the GL pipeline, and the arithmetic is ours, so
// the result is the same on every machine.
//
// A quad is an image frame (or a plain colour) mapped onto a parallelogram: corner 0 takes the
// texel rectangle's top-left, corner 1 its top-right, corner 3 its bottom-left. A pixel is
// covered when its centre lies inside (left and top edges inclusive). Colours are RGBA bytes;
// all products of two bytes are rounded to the nearest byte.
#pragma once

#include "platform/Pixmap.hpp"

#include <cstdint>
#include <vector>

namespace tarvex::platform {

struct ClipRect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;
};

struct CanvasQuad {
    float x[4];
    float y[4];
    // Texel coordinates of the frame (u0, v0) - (u1, v1) and the texels sampling may use.
    float u0, v0, u1, v1;
    int minU, minV, maxU, maxV;
};

class SoftwareCanvas {
public:
    void resize(int width, int height);
    [[nodiscard]] const Pixmap& pixels() const { return _pixels; }
    [[nodiscard]] int width() const { return _pixels.width(); }
    [[nodiscard]] int height() const { return _pixels.height(); }

    // Fills the clip rectangle with an opaque colour.
    void clear(std::uint32_t color, const ClipRect& clip);
    // `texture` null draws the plain colour; otherwise texels are multiplied by the colour.
    // Blend modes as the drawing layer's (1 mask ... 5 shade).
    void drawQuad(const CanvasQuad& quad, const Pixmap* texture, bool filtered, std::uint32_t color,
                  int blend, const ClipRect& clip);

private:
    // Quads that are not rotated and not smoothed: texel rows and columns map straight to
    // pixel rows and columns.
    void _drawUpright(const CanvasQuad& quad, const Pixmap* texture, std::uint32_t color, int blend,
                      const ClipRect& clip);

    Pixmap _pixels;
    std::vector<std::uint32_t> _row; // one span of source pixels, reused
    std::vector<int> _columns;       // texel column per pixel of an upright quad
};

} // namespace tarvex::platform
