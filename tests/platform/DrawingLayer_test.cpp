// Pixel tests of the drawing layer in a real 448x576 OpenGL window (Xvfb + Mesa in CI), run
// once with each renderer.
#include "platform/BuiltinFiles.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Stream.hpp"
#include "support/TestGraphics.hpp"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace tarvex::platform {
namespace {

struct Rgb3 {
    int r, g, b;
    friend bool operator==(const Rgb3&, const Rgb3&) = default;
};
void PrintTo(const Rgb3& c, std::ostream* out) {
    *out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr Rgb3 BACKGROUND{100, 150, 200};

class DrawingLayerTest : public ::testing::TestWithParam<Renderer> {
protected:
    void SetUp() override {
        TARVEX_REQUIRE_WINDOW(window, 448, 576);
        _window = window;
        auto& gfx = drawingLayer();
        gfx.setRenderer(GetParam());
        gfx.setVirtualResolution(224, 288);
        gfx.setViewport(0, 0, 224, 288);
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(1.0f);
        gfx.setBlend(BLEND_SOLID);
        gfx.setRotation(0);
        gfx.setScale(1, 1);
        gfx.setHandle(0, 0);
        gfx.setOrigin(0, 0);
        gfx.setClsColor(BACKGROUND.r, BACKGROUND.g, BACKGROUND.b);
        gfx.cls();
    }

    // The window pixel (x, y).
    static Rgb3 pixel(int x, int y) {
        const auto value = drawingLayer().readPixels(x, y, 1, 1).pixel(0, 0);
        return {static_cast<int>(value & 255), static_cast<int>((value >> 8) & 255),
                static_cast<int>((value >> 16) & 255)};
    }
    // The middle of the virtual unit (x, y): window pixel (2x, 2y) at scale 2.
    static Rgb3 unit(int x, int y) { return pixel(2 * x, 2 * y); }

    static ::testing::AssertionResult near(Rgb3 actual, Rgb3 expected, int tolerance = 1) {
        if (std::abs(actual.r - expected.r) <= tolerance &&
            std::abs(actual.g - expected.g) <= tolerance &&
            std::abs(actual.b - expected.b) <= tolerance) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "(" << actual.r << ", " << actual.g << ", " << actual.b << ") is not within "
               << tolerance << " of (" << expected.r << ", " << expected.g << ", " << expected.b
               << ")";
    }

    static Ref<Image> solidImage(int width, int height, std::uint32_t color, int flags = 0) {
        return Image::fromPixmap(Pixmap(width, height, color), flags);
    }

    Ref<GraphicsContext> _window;
};

TEST_P(DrawingLayerTest, OneVirtualUnitIsTwoByTwoWindowPixels) {
    EXPECT_EQ(drawingLayer().windowWidth(), 448);
    EXPECT_EQ(drawingLayer().windowHeight(), 576);
    drawingLayer().drawRect(10, 20, 1, 1);
    for (const auto& [x, y] : {std::pair{20, 40}, {21, 40}, {20, 41}, {21, 41}}) {
        EXPECT_EQ(pixel(x, y), (Rgb3{255, 255, 255})) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{19, 40}, {22, 40}, {20, 39}, {20, 42}}) {
        EXPECT_EQ(pixel(x, y), BACKGROUND) << x << "," << y;
    }
    drawingLayer().drawRect(223, 287, 1, 1);
    EXPECT_EQ(pixel(447, 575), (Rgb3{255, 255, 255})) << "the last unit ends at the last pixel";
}

TEST_P(DrawingLayerTest, FiveBlendModesCombineSourceAndDestination) {
    const auto half = solidImage(1, 1, rgba(200, 100, 50, 128));
    const auto below = solidImage(1, 1, rgba(200, 100, 50, 127));
    auto& gfx = drawingLayer();
    gfx.setBlend(BLEND_MASK);
    gfx.drawImage(*half, 0, 0);
    gfx.drawImage(*below, 1, 0);
    gfx.setBlend(BLEND_SOLID);
    gfx.drawImage(*below, 2, 0);
    gfx.setBlend(BLEND_ALPHA);
    gfx.drawImage(*half, 3, 0);
    gfx.setBlend(BLEND_LIGHT);
    gfx.drawImage(*half, 4, 0);
    gfx.setBlend(BLEND_SHADE);
    gfx.drawImage(*half, 5, 0);

    EXPECT_EQ(unit(0, 0), (Rgb3{200, 100, 50})) << "mask: alpha above one half is drawn opaque";
    EXPECT_EQ(unit(1, 0), BACKGROUND) << "mask: alpha of one half or less is discarded";
    EXPECT_EQ(unit(2, 0), (Rgb3{200, 100, 50})) << "solid ignores alpha";
    EXPECT_TRUE(near(unit(3, 0), {150, 125, 125})) << "alpha";
    EXPECT_TRUE(near(unit(4, 0), {200, 200, 225})) << "light";
    EXPECT_TRUE(near(unit(5, 0), {78, 59, 39})) << "shade";
}

TEST_P(DrawingLayerTest, ColourAndAlphaMultiplyImagesAndRectangles) {
    const auto white = solidImage(1, 1, rgba(255, 255, 255));
    auto& gfx = drawingLayer();
    gfx.setColor(255, 0, 0);
    gfx.drawImage(*white, 0, 0);
    gfx.setColor(0, 255, 0);
    gfx.drawRect(1, 0, 1, 1);
    gfx.setBlend(BLEND_ALPHA);
    gfx.setAlpha(0.5f);
    gfx.setColor(0, 0, 0);
    gfx.drawImage(*white, 2, 0);
    gfx.drawRect(3, 0, 1, 1);
    EXPECT_EQ(unit(0, 0), (Rgb3{255, 0, 0}));
    EXPECT_EQ(unit(1, 0), (Rgb3{0, 255, 0}));
    EXPECT_TRUE(near(unit(2, 0), {50, 75, 100}));
    EXPECT_TRUE(near(unit(3, 0), {50, 75, 100}));
}

TEST_P(DrawingLayerTest, MaskColourPixelsOfLoadedImagesAreTransparent) {
    Pixmap pixels(2, 1);
    pixels.setPixel(0, 0, rgba(255, 0, 255));
    pixels.setPixel(1, 0, rgba(10, 20, 30));
    registerMemoryFile("masked-pair.png", encodePng(pixels));
    auto& gfx = drawingLayer();
    gfx.setMaskColor(255, 0, 255);
    gfx.setImageFlags(IMAGE_MASKED);
    const auto image = gfx.loadImage("memory::masked-pair.png");
    gfx.setImageFlags(IMAGE_FILTERED);
    ASSERT_TRUE(image);
    for (const int mode : {BLEND_MASK, BLEND_ALPHA}) {
        gfx.cls();
        gfx.setBlend(mode);
        gfx.drawImage(*image, 5, 5);
        EXPECT_EQ(unit(5, 5), BACKGROUND) << "mode " << mode;
        EXPECT_EQ(unit(6, 5), (Rgb3{10, 20, 30})) << "mode " << mode;
    }
}

TEST_P(DrawingLayerTest, ViewportClipsDrawsAndClears) {
    auto& gfx = drawingLayer();
    gfx.setViewport(10, 20, 30, 40);
    gfx.drawRect(0, 0, 224, 288);
    EXPECT_EQ(unit(10, 20), (Rgb3{255, 255, 255}));
    EXPECT_EQ(unit(39, 59), (Rgb3{255, 255, 255}));
    EXPECT_EQ(pixel(19, 40), BACKGROUND) << "clipped in whole units";
    EXPECT_EQ(pixel(80, 80), BACKGROUND);
    EXPECT_EQ(pixel(40, 120), BACKGROUND);

    gfx.setClsColor(0, 0, 0);
    gfx.cls();
    EXPECT_EQ(unit(20, 30), (Rgb3{0, 0, 0}));
    EXPECT_EQ(unit(5, 5), BACKGROUND) << "clearing fills only the viewport";
}

TEST_P(DrawingLayerTest, ScaleAndRotationTurnAboutTheHandle) {
    // Left half red, right half green, 4 x 2 pixels.
    Pixmap pixels(4, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            pixels.setPixel(x, y, x < 2 ? rgba(255, 0, 0) : rgba(0, 255, 0));
        }
    }
    const auto image = Image::fromPixmap(pixels, 0);
    auto& gfx = drawingLayer();

    gfx.setScale(2, 3);
    gfx.setHandle(2, 1); // the middle: the image spans 8 x 6 units centred on (50, 50)
    gfx.drawImage(*image, 50, 50);
    EXPECT_EQ(unit(46, 47), (Rgb3{255, 0, 0}));
    EXPECT_EQ(unit(53, 52), (Rgb3{0, 255, 0}));
    EXPECT_EQ(unit(45, 50), BACKGROUND);
    EXPECT_EQ(unit(54, 50), BACKGROUND);
    EXPECT_EQ(unit(50, 46), BACKGROUND);
    EXPECT_EQ(unit(50, 53), BACKGROUND);

    gfx.cls();
    gfx.setScale(1, 1);
    gfx.setHandle(0, 0);
    gfx.setRotation(90); // clockwise on screen: the image's right end now points down
    gfx.drawImage(*image, 100, 100);
    EXPECT_EQ(pixel(2 * 99 + 1, 2 * 100 + 1), (Rgb3{255, 0, 0}));
    EXPECT_EQ(pixel(2 * 98 + 1, 2 * 103 + 1), (Rgb3{0, 255, 0}));
    EXPECT_EQ(pixel(2 * 100 + 1, 2 * 101 + 1), BACKGROUND);
    EXPECT_EQ(pixel(2 * 97 + 1, 2 * 101 + 1), BACKGROUND);

    gfx.cls();
    gfx.setRotation(180);
    gfx.setHandle(2, 1);
    gfx.drawImage(*image, 100, 100); // turned about its middle: green left, red right
    EXPECT_EQ(pixel(2 * 98 + 1, 2 * 100 + 1), (Rgb3{0, 255, 0}));
    EXPECT_EQ(pixel(2 * 101 + 1, 2 * 99 + 1), (Rgb3{255, 0, 0}));
}

TEST_P(DrawingLayerTest, ImageHandleAndOriginShiftTheDraw) {
    const auto image = solidImage(2, 2, rgba(0, 0, 255));
    image->setHandle(1, 1);
    auto& gfx = drawingLayer();
    gfx.setOrigin(10, 0);
    gfx.drawImage(*image, 20, 20); // covers units 29..30, 19..20
    EXPECT_EQ(unit(29, 19), (Rgb3{0, 0, 255}));
    EXPECT_EQ(unit(30, 20), (Rgb3{0, 0, 255}));
    EXPECT_EQ(unit(31, 20), BACKGROUND);
    EXPECT_EQ(unit(28, 20), BACKGROUND);
    gfx.setHandle(1, 0); // adds to the image's own handle
    gfx.drawImage(*image, 20, 40);
    EXPECT_EQ(unit(28, 39), (Rgb3{0, 0, 255}));
    EXPECT_EQ(unit(30, 39), BACKGROUND);
}

TEST_P(DrawingLayerTest, StripFramesShowTheirOwnCells) {
    Pixmap sheet(6, 2);
    for (int x = 0; x < 6; ++x) {
        for (int y = 0; y < 2; ++y) {
            sheet.setPixel(x, y, rgba(static_cast<std::uint8_t>(40 * (x / 2 + 1)), 0, 0));
        }
    }
    const auto strip = Image::fromStrip(sheet, 2, 2, 0, 3, 0);
    ASSERT_TRUE(strip);
    for (int frame = 0; frame < 3; ++frame) {
        drawingLayer().drawImage(*strip, 10 + 3 * frame, 10, frame);
    }
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(unit(10 + 3 * frame, 10), (Rgb3{40 * (frame + 1), 0, 0})) << frame;
        EXPECT_EQ(unit(11 + 3 * frame, 11), (Rgb3{40 * (frame + 1), 0, 0})) << frame;
        EXPECT_EQ(unit(12 + 3 * frame, 10), BACKGROUND) << "frames do not bleed";
    }
}

TEST_P(DrawingLayerTest, TextInkMatchesTheFontAtNineTenAndTwenty) {
    registerBuiltinFiles();
    auto& gfx = drawingLayer();
    gfx.setVirtualResolution(448, 576); // one unit per pixel, so glyph pixels are window pixels
    gfx.setViewport(0, 0, 448, 576);
    gfx.setBlend(BLEND_MASK);
    gfx.setColor(255, 255, 0);
    const std::string text = "Hg!";
    int y = 10;
    for (const int size : {9, 10, 20}) {
        const auto font = ImageFont::load("incbin::small-font.ttf", size, 0);
        ASSERT_TRUE(font);
        gfx.setFont(font);
        EXPECT_EQ(gfx.textWidth(text), font->textWidth(text));
        EXPECT_EQ(gfx.textHeight(text), font->height());
        gfx.drawText(text, 20, static_cast<float>(y));
        const Pixmap shot = gfx.readPixels(0, 0, 448, 576);
        int pen = 20;
        for (const char c : text) {
            const auto& glyph = font->glyph(static_cast<unsigned char>(c));
            const Pixmap& atlas = font->atlas().atlas();
            for (int gy = 0; gy < glyph.height; ++gy) {
                for (int gx = 0; gx < glyph.width; ++gx) {
                    const bool ink = (atlas.pixel(font->atlas().frameLeft(0) + glyph.atlasX + gx,
                                                  font->atlas().frameTop(0) + glyph.atlasY + gy) >>
                                      24) != 0;
                    const auto drawn =
                        shot.pixel(pen + glyph.left + gx, y + glyph.top + gy) & 0xffffffu;
                    if (ink) {
                        ASSERT_EQ(drawn, 0x00ffffu)
                            << "size " << size << " '" << c << "' " << gx << "," << gy;
                    } else {
                        ASSERT_NE(drawn, 0x00ffffu)
                            << "size " << size << " '" << c << "' " << gx << "," << gy;
                    }
                }
            }
            pen += glyph.advance;
        }
        y += 30;
    }
    gfx.setFont(nullptr);
    EXPECT_EQ(gfx.textWidth(text), 0) << "no font, no width";
}

// The reference is OpenGL with every draw sent on its own. The OpenGL renderer groups draws
// into batches and must match it exactly; the compositor composes every draw as it comes and
// must match it up to rounding (it has no batches, so comparing it with itself would prove
// nothing).
TEST_P(DrawingLayerTest, GroupedDrawsLookExactlyLikeDrawsSentOneByOne) {
    const auto ball = solidImage(3, 3, rgba(250, 120, 10, 160));
    auto scene = [&](Renderer renderer, bool oneByOne) {
        auto& gfx = drawingLayer();
        gfx.setRenderer(renderer);
        gfx.cls();
        for (int i = 0; i < 60; ++i) {
            gfx.setBlend(1 + (i / 7) % 5);
            gfx.setColor(255, 255 - i * 3, 128 + i);
            gfx.setAlpha(0.3f + 0.01f * static_cast<float>(i));
            if (i % 9 == 0) {
                gfx.drawRect(static_cast<float>(i), static_cast<float>(i / 2), 5, 4);
            } else {
                gfx.drawImage(*ball, static_cast<float>(i % 17), static_cast<float>(i / 3));
            }
            if (oneByOne) {
                gfx.flush();
            }
        }
        return gfx.readPixels(0, 0, 100, 100);
    };
    const Pixmap single = scene(RENDERER_OPENGL, true);
    const Pixmap grouped = scene(GetParam(), false);
    const int tolerance = GetParam() == RENDERER_OPENGL ? 0 : 1;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            for (int shift = 0; shift < 24; shift += 8) {
                const int a = static_cast<int>((grouped.pixel(x, y) >> shift) & 255);
                const int b = static_cast<int>((single.pixel(x, y) >> shift) & 255);
                ASSERT_LE(std::abs(a - b), tolerance) << x << "," << y << " channel " << shift;
            }
        }
    }
}

TEST_P(DrawingLayerTest, NothingIsDrawnWithoutAWindowAndStateStillWorks) {
    auto& gfx = drawingLayer();
    gfx.attach(nullptr);
    const auto image = solidImage(1, 1, rgba(1, 2, 3));
    gfx.drawImage(*image, 0, 0);
    gfx.drawRect(0, 0, 5, 5);
    gfx.cls();
    gfx.present(0);
    gfx.setColor(300, -4, 7);
    EXPECT_EQ(gfx.color(), (Rgb{255, 0, 7})) << "colour channels are clamped to bytes";
    EXPECT_TRUE(gfx.readPixels(0, 0, 1, 1).empty());
    gfx.attach(_window.get());
}

INSTANTIATE_TEST_SUITE_P(Renderers, DrawingLayerTest,
                         ::testing::Values(RENDERER_COMPOSITOR, RENDERER_OPENGL),
                         [](const ::testing::TestParamInfo<Renderer>& param) {
                             return param.param == RENDERER_OPENGL ? "OpenGL" : "Compositor";
                         });

TEST(DrawingLayerRenderers, AgreeOnAnUnrotatedScene) {
    TARVEX_REQUIRE_WINDOW(window, 448, 576);
    registerBuiltinFiles();
    const auto font = ImageFont::load("incbin::small-font.ttf", 10, 0);
    Pixmap pixels(5, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            pixels.setPixel(x, y,
                            rgba(static_cast<std::uint8_t>(50 * x),
                                 static_cast<std::uint8_t>(60 * y), 90,
                                 static_cast<std::uint8_t>(40 + 50 * x)));
        }
    }
    const auto image = Image::fromPixmap(pixels, 0);
    auto scene = [&](Renderer renderer) {
        auto& gfx = drawingLayer();
        gfx.setRenderer(renderer);
        gfx.setVirtualResolution(224, 288);
        gfx.setViewport(0, 0, 224, 288);
        gfx.setRotation(0);
        gfx.setHandle(0, 0);
        gfx.setOrigin(0, 0);
        gfx.setClsColor(20, 30, 40);
        gfx.cls();
        gfx.setFont(font);
        for (int mode = BLEND_MASK; mode <= BLEND_SHADE; ++mode) {
            gfx.setBlend(mode);
            gfx.setAlpha(0.75f);
            gfx.setColor(255, 200, 150);
            gfx.setScale(1, 1);
            gfx.drawRect(static_cast<float>(10 * mode), 10, 8, 8);
            gfx.setScale(2, 1);
            gfx.drawImage(*image, static_cast<float>(10 * mode), 30);
            gfx.setScale(1, 1);
            gfx.drawText("Ab", static_cast<float>(10 * mode), 50);
        }
        return gfx.readPixels(0, 0, 448, 140);
    };
    const Pixmap composed = scene(RENDERER_COMPOSITOR);
    const Pixmap rendered = scene(RENDERER_OPENGL);
    drawingLayer().setRenderer(RENDERER_COMPOSITOR);
    int worst = 0;
    for (int y = 0; y < composed.height(); ++y) {
        for (int x = 0; x < composed.width(); ++x) {
            for (int shift = 0; shift < 24; shift += 8) {
                const int a = static_cast<int>((composed.pixel(x, y) >> shift) & 255);
                const int b = static_cast<int>((rendered.pixel(x, y) >> shift) & 255);
                worst = std::max(worst, std::abs(a - b));
            }
        }
    }
    EXPECT_LE(worst, 1) << "the renderers differ by at most rounding";
}

} // namespace
} // namespace tarvex::platform

namespace tarvex::platform {
namespace {

// The loading screen decodes pictures on its worker while the main thread changes the drawing
// state (restoring a render state sets the flags and mask colour). The ThreadSanitizer build
// reports an unguarded read.
TEST(DrawingLayerLoading, AWorkerDecodesWithTheSettingsTakenWhenLoadingStarted) {
    Pixmap pixels(2, 1);
    pixels.setPixel(0, 0, rgba(255, 0, 255));
    pixels.setPixel(1, 0, rgba(10, 20, 30));
    registerMemoryFile("worker-pair.png", encodePng(pixels));
    auto& gfx = drawingLayer();
    const ImageLoadSettings before = gfx.imageLoadSettings();
    gfx.setMaskColor(255, 0, 255);
    gfx.setImageFlags(IMAGE_MASKED);
    const ImageLoadSettings atStart = gfx.imageLoadSettings();
    EXPECT_EQ(atStart, (ImageLoadSettings{IMAGE_MASKED, {255, 0, 255}}));

    std::atomic<bool> done{false};
    int maskedLoads = 0;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) {
            const auto image = DrawingLayer::loadImage("memory::worker-pair.png", atStart);
            if (image && tarvex::testing::channels(image->framePixels(0).pixel(0, 0)).a == 0) {
                ++maskedLoads;
            }
            (void)gfx.loadImage("memory::worker-pair.png"); // whatever is current: no race
        }
        done = true;
    });
    while (!done) {
        gfx.setImageFlags(IMAGE_FILTERED);
        gfx.setMaskColor(0, 0, 0);
        gfx.setMaskColor(255, 0, 255);
        gfx.setImageFlags(IMAGE_MASKED);
    }
    worker.join();
    EXPECT_EQ(maskedLoads, 100);
    gfx.setImageFlags(before.flags);
    gfx.setMaskColor(before.mask.r, before.mask.g, before.mask.b);
}

} // namespace
} // namespace tarvex::platform
