// The reference scene: the game's set-up (224 x 288 units in a 448 x 576 window, masked
// magenta, sharp pixels) with sprites, text in the three sizes the game uses and a rectangle
// in every blend mode. The test checks a few landmarks; with TARVEX_SCENE_PNG set it also
// writes the picture (docs/test-scene.png is made this way).
#include "graphics/GraphicsManager.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Stream.hpp"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tarvex::graphics {
namespace {

using namespace platform;

constexpr std::uint32_t MAGENTA = rgba(255, 0, 255);

// A 32 x 12 submarine on magenta.
Pixmap submarinePicture() {
    Pixmap pixels(32, 12, MAGENTA);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 32; ++x) {
            const double dx = (x - 15.5) / 15.5;
            const double dy = (y - 8.0) / 4.0;
            if (dx * dx + dy * dy <= 1.0) {
                pixels.setPixel(x, y, y < 7 ? rgba(90, 100, 110) : rgba(60, 66, 76));
            }
        }
    }
    for (int y = 1; y < 5; ++y) {
        for (int x = 12; x < 18; ++x) {
            pixels.setPixel(x, y, rgba(80, 90, 100)); // tower
        }
    }
    pixels.setPixel(22, 7, rgba(255, 230, 120)); // porthole
    pixels.setPixel(8, 8, rgba(255, 230, 120));
    return pixels;
}

// Four 16 x 16 cells of a growing fireball.
Pixmap explosionStrip() {
    Pixmap pixels(64, 16, MAGENTA);
    for (int frame = 0; frame < 4; ++frame) {
        const double radius = 2.5 + 1.8 * frame;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const double d = std::hypot(x - 7.5, y - 7.5);
                if (d <= radius) {
                    const auto heat = static_cast<std::uint8_t>(255 - 30 * d);
                    pixels.setPixel(frame * 16 + x, y,
                                    rgba(255, heat, static_cast<std::uint8_t>(d < 2 ? 200 : 0)));
                }
            }
        }
    }
    return pixels;
}

TEST(TestScene, SpritesTextAndEveryBlendMode) {
    if (!displayAvailable()) {
        GTEST_SKIP() << "no display to open an OpenGL window on (run under xvfb-run)";
    }
    registerBuiltinFiles();
    setGraphicsDriver(nullptr);
    TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1, GraphicsManager::DRIVER_TYPE_OPENGL);
    auto& gfx = drawingLayer();
    gfx.setAlpha(1.0f);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setHandle(0, 0);
    gfx.setOrigin(0, 0);
    gfx.setMaskColor(255, 0, 255);
    gfx.setImageFlags(IMAGE_MASKED);
    registerMemoryFile("scene-sub.png", encodePng(submarinePicture()));
    registerMemoryFile("scene-boom.png", encodePng(explosionStrip()));
    const auto sub = gfx.loadImage("memory::scene-sub.png");
    const auto boom = gfx.loadAnimImage("memory::scene-boom.png", 16, 16, 0, 4);
    const auto large = ImageFont::load("incbin::small-font.ttf", 20, 0);
    const auto medium = ImageFont::load("incbin::small-font.ttf", 10, 0);
    const auto small = ImageFont::load("incbin::small-font.ttf", 9, 0);
    ASSERT_TRUE(sub && boom && large && medium && small);

    gfx.setClsColor(8, 16, 48);
    gfx.cls();
    // Sky and sea.
    gfx.setBlend(BLEND_SOLID);
    gfx.setColor(120, 180, 230);
    gfx.drawRect(0, 0, 224, 71);
    for (int band = 0; band < 12; ++band) {
        TarvexGfx::setColorInt(TarvexGfx::rgbToInt(20, static_cast<std::uint8_t>(90 - 6 * band),
                                                   static_cast<std::uint8_t>(160 - 9 * band)));
        gfx.drawRect(0, static_cast<float>(71 + band * 18), 224, 18);
    }

    // Text at 20, 10 and 9.
    gfx.setBlend(BLEND_MASK);
    gfx.setFont(large);
    gfx.setColor(40, 40, 40);
    const std::string title = "DEPTHRUN 2000";
    gfx.drawText(title, static_cast<float>((224 - gfx.textWidth(title)) / 2 + 1), 9);
    gfx.setColor(255, 230, 60);
    gfx.drawText(title, static_cast<float>((224 - gfx.textWidth(title)) / 2), 8);
    gfx.setFont(medium);
    gfx.setColor(255, 255, 255);
    gfx.drawText("Score: 12,340   Level 2-3", 8, 34);
    gfx.setFont(small);
    gfx.setColor(20, 40, 90);
    gfx.drawText("Charges Dropped: 17  (size 9)", 8, 48);
    gfx.setFont(medium);
    gfx.drawText("abcdefghijklm ABCDEFGHIJKLM", 8, 58);

    // Sprites: plain, tinted, scaled about their middle, rotated, and explosion frames.
    gfx.setBlend(BLEND_ALPHA);
    gfx.setColor(255, 255, 255);
    gfx.drawImage(*sub, 12, 90);
    gfx.setColor(255, 140, 140);
    gfx.drawImage(*sub, 52, 96);
    gfx.setColor(255, 255, 255);
    gfx.setHandle(16, 6);
    gfx.setScale(2, 2);
    gfx.drawImage(*sub, 150, 102);
    gfx.setScale(1, 1);
    gfx.setRotation(-25);
    gfx.drawImage(*sub, 190, 140);
    gfx.setRotation(0);
    gfx.setHandle(0, 0);
    for (int frame = 0; frame < 4; ++frame) {
        gfx.drawImage(*boom, static_cast<float>(12 + frame * 22), 128, frame);
    }
    gfx.setBlend(BLEND_LIGHT);
    gfx.drawImage(*boom, 110, 128, 3);

    // A rectangle in every blend mode over red and green stripes, labelled with its number.
    gfx.setBlend(BLEND_SOLID);
    for (int stripe = 0; stripe < 6; ++stripe) {
        gfx.setColor(stripe % 2 == 0 ? 200 : 30, stripe % 2 == 0 ? 40 : 170, 40);
        gfx.drawRect(4, static_cast<float>(176 + stripe * 8), 216, 8);
    }
    gfx.setFont(small);
    for (int mode = BLEND_MASK; mode <= BLEND_SHADE; ++mode) {
        const float x = 10.0f + 42.0f * static_cast<float>(mode - 1);
        gfx.setBlend(mode);
        gfx.setAlpha(0.6f);
        gfx.setColor(255, 210, 60);
        gfx.drawRect(x, 184, 32, 32);
        gfx.setAlpha(1.0f);
        gfx.setBlend(BLEND_MASK);
        gfx.setColor(255, 255, 255);
        gfx.drawText(std::to_string(mode), x + 13, 224);
    }

    // Clipped: a viewport cuts the last sprite row.
    gfx.setViewport(20, 250, 100, 20);
    gfx.setBlend(BLEND_ALPHA);
    gfx.setColor(255, 255, 255);
    for (int i = 0; i < 5; ++i) {
        gfx.drawImage(*sub, static_cast<float>(i * 30), 244 + static_cast<float>(i * 3));
    }
    gfx.setViewport(0, 0, 224, 288);
    gfx.setColor(255, 255, 255);
    gfx.setBlend(BLEND_SOLID);
    gfx.drawRect(19, 249, 102, 1);
    gfx.drawRect(19, 270, 102, 1);

    const Pixmap shot = gfx.readPixels(0, 0, 448, 576);
    if (const char* path = std::getenv("TARVEX_SCENE_PNG"); path != nullptr) {
        EXPECT_TRUE(savePng(shot, path));
    }
    const auto rgb = [&](int x, int y) { return shot.pixel(2 * x, 2 * y) & 0xffffffu; };
    EXPECT_EQ(rgb(24, 184 + 16), rgba(255, 210, 60) & 0xffffffu) << "mask draws the colour opaque";
    EXPECT_EQ(rgb(66, 184 + 16), rgba(255, 210, 60) & 0xffffffu) << "solid too";
    EXPECT_NE(rgb(108, 184 + 16), rgb(150, 184 + 16)) << "alpha and light differ";
    EXPECT_EQ(rgb(12, 90), rgb(11, 90)) << "the sub's magenta corner is see-through";
    GraphicsManager::getInstance()->EndGraphics();
}

} // namespace
} // namespace tarvex::graphics
