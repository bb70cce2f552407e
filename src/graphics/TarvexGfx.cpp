#include "graphics/TarvexGfx.hpp"

#include "graphics/GraphicsManager.hpp"
#include "graphics/VirtualScreenResolution.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

void TarvexGfx::initGraphics(std::int32_t width, std::int32_t height, float scale,
                             std::int32_t refreshRate, bool windowed, std::int32_t depth,
                             std::int32_t /*reserved*/, std::int32_t driverType) {
    auto manager = GraphicsManager::getInstance();
    manager->setWidth(static_cast<std::int32_t>(static_cast<float>(width) * scale))
        .setHeight(static_cast<std::int32_t>(static_cast<float>(height) * scale))
        .setDepth(depth)
        .setRefreshRate(refreshRate)
        .setIsWindowed(windowed)
        .setDriverType(driverType);
    VirtualScreenResolution::getInstance()->setDimensions(static_cast<float>(width),
                                                          static_cast<float>(height));
    manager->startGraphics();
}

std::int32_t TarvexGfx::getGraphicsWidth() {
    return static_cast<std::int32_t>(VirtualScreenResolution::getInstance()->getWidth());
}

std::int32_t TarvexGfx::getGraphicsHeight() {
    return static_cast<std::int32_t>(VirtualScreenResolution::getInstance()->getHeight());
}

void TarvexGfx::setColorInt(std::int32_t color) {
    platform::drawingLayer().setColor((color >> 16) & 255, (color >> 8) & 255, color & 255);
}

std::int32_t TarvexGfx::rgbToInt(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r * 65536 + g * 256 + b;
}

} // namespace tarvex::graphics
