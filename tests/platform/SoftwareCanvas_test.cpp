#include "platform/SoftwareCanvas.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tarvex::platform {
namespace {

CanvasQuad rectangle(float left, float top, float width, float height) {
    CanvasQuad quad{};
    quad.x[0] = left;
    quad.y[0] = top;
    quad.x[1] = left + width;
    quad.y[1] = top;
    quad.x[2] = left + width;
    quad.y[2] = top + height;
    quad.x[3] = left;
    quad.y[3] = top + height;
    quad.u1 = 1;
    quad.v1 = 1;
    return quad;
}

// Far-off and degenerate positions are checked by the sanitizer build's float-cast-overflow
// check: each would otherwise convert an out-of-range double to int.
TEST(SoftwareCanvas, DrawsFarOffScreenCoverNothing) {
    SoftwareCanvas canvas;
    canvas.resize(8, 8);
    const ClipRect all{0, 0, 8, 8};
    canvas.clear(rgba(0, 0, 0), all);
    const float inf = std::numeric_limits<float>::infinity();
    const float cases[][4] = {{0, 3e9F, 4, 4},          {0, -3e9F, 4, 4}, {3e9F, 0, 4, 4},
                              {-3e9F, 0, 4, 4},         {0, 0, 3e9F, 4},  {0, -3e9F, 4, 6e9F},
                              {0, std::nanf(""), 4, 4}, {0, inf, 4, 4},   {-inf, 0, 4, 4}};
    for (const auto& c : cases) {
        canvas.drawQuad(rectangle(c[0], c[1], c[2], c[3]), nullptr, false, rgba(255, 255, 255), 2,
                        all);
        CanvasQuad turned = rectangle(c[0], c[1], c[2], c[3]);
        turned.x[3] += 1; // a slanted quad takes the general path
        canvas.drawQuad(turned, nullptr, true, rgba(255, 255, 255), 2, all);
    }
    // Only the quads that reach the canvas (the wide one and the tall one) paint it.
    EXPECT_EQ(canvas.pixels().pixel(0, 0), rgba(255, 255, 255));
    EXPECT_EQ(canvas.pixels().pixel(7, 7), rgba(0, 0, 0));
}

} // namespace
} // namespace tarvex::platform
