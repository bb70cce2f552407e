// Static helpers of the graphics set-up: opening the game window with its virtual resolution,
// the virtual size, and colours as one integer (red in bits 16-23, green 8-15, blue 0-7).
//
//     TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1,
//     GraphicsManager::DRIVER_TYPE_OPENGL); TarvexGfx::getGraphicsWidth();   // 224
#pragma once

#include <cstdint>

namespace tarvex::graphics {

class TarvexGfx {
public:
    TarvexGfx() = delete;

    // Opens a window of trunc(width x scale) by trunc(height x scale) pixels showing a virtual
    // screen of width x height units. `reserved` is accepted and not used.
    static void initGraphics(std::int32_t width, std::int32_t height, float scale,
                             std::int32_t refreshRate, bool windowed, std::int32_t depth,
                             std::int32_t reserved, std::int32_t driverType);
    // The virtual size, truncated toward zero.
    [[nodiscard]] static std::int32_t getGraphicsWidth();
    [[nodiscard]] static std::int32_t getGraphicsHeight();
    // Sets the drawing colour from r * 65536 + g * 256 + b.
    static void setColorInt(std::int32_t color);
    [[nodiscard]] static std::int32_t rgbToInt(std::uint8_t r, std::uint8_t g, std::uint8_t b);
};

} // namespace tarvex::graphics
