// A fixture for tests that draw render requests into the real 448 x 576 test window with the
// game's 224 x 288 virtual screen, once with each renderer (the CPU compositor and OpenGL),
// through a SpriteRenderingService of their own.
#pragma once

#include "graphics/SpriteRenderingService.hpp"
#include "platform/BuiltinFiles.hpp"
#include "platform/DrawingLayer.hpp"
#include "support/FrameProbe.hpp"
#include "support/TestGraphics.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics::testing {

using ::tarvex::testing::FrameProbe;
using ::tarvex::testing::Rgb3;

inline constexpr Rgb3 BACKGROUND{20, 40, 80};

class RenderWindowTest : public ::testing::TestWithParam<platform::Renderer> {
protected:
    void SetUp() override {
        TARVEX_REQUIRE_WINDOW(window, 448, 576);
        _window = window;
        platform::registerBuiltinFiles();
        auto& gfx = platform::drawingLayer();
        gfx.setRenderer(GetParam());
        gfx.setVirtualResolution(224, 288);
        gfx.setViewport(0, 0, 224, 288);
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(1.0F);
        gfx.setBlend(platform::BLEND_MASK);
        gfx.setRotation(0);
        gfx.setScale(1, 1);
        gfx.setHandle(0, 0);
        gfx.setOrigin(0, 0);
        gfx.setImageFlags(0);
        gfx.setClsColor(BACKGROUND.r, BACKGROUND.g, BACKGROUND.b);
        gfx.cls();
        font = platform::ImageFont::load("incbin::small-font.ttf", 10, 0);
        ASSERT_NE(font, nullptr) << "the compiled-in font must load";
    }

    // One frame of the service: update, clear, render; then the back buffer.
    FrameProbe frame(float delta = 16) {
        renderer.update(delta);
        platform::drawingLayer().cls();
        renderer.render(delta);
        return FrameProbe();
    }

    SpriteRenderingService renderer;
    Ref<platform::ImageFont> font;

private:
    Ref<platform::GraphicsContext> _window;
};

inline std::string rendererName(const ::testing::TestParamInfo<platform::Renderer>& info) {
    return info.param == platform::RENDERER_OPENGL ? "OpenGL" : "Compositor";
}

} // namespace tarvex::graphics::testing
