#include "graphics/RenderState.hpp"
#include "platform/DrawingLayer.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

using platform::drawingLayer;

void setEverything(int base, const Ref<platform::ImageFont>& font) {
    auto& gfx = drawingLayer();
    gfx.setClsColor(base + 1, base + 2, base + 3);
    gfx.setColor(base + 4, base + 5, base + 6);
    gfx.setMaskColor(base + 7, base + 8, base + 9);
    gfx.setAlpha(static_cast<float>(base) / 100.0f);
    gfx.setBlend(base % 5 + 1);
    gfx.setRotation(static_cast<float>(base) * 2);
    gfx.setScale(static_cast<float>(base) / 10, static_cast<float>(base) / 20);
    gfx.setHandle(static_cast<float>(base + 1), static_cast<float>(base + 2));
    gfx.setOrigin(static_cast<float>(base + 3), static_cast<float>(base + 4));
    gfx.setFont(font);
    gfx.setViewport(base, base + 1, base + 2, base + 3);
}

TEST(RenderState, RestoreBringsBackEverythingCaptured) {
    const auto font = std::make_shared<platform::ImageFont>();
    setEverything(10, font);
    const RenderState saved; // captures on construction
    setEverything(40, nullptr);
    saved.restore();

    const auto& gfx = drawingLayer();
    EXPECT_EQ(gfx.clsColor(), (platform::Rgb{11, 12, 13}));
    EXPECT_EQ(gfx.color(), (platform::Rgb{14, 15, 16}));
    EXPECT_EQ(gfx.maskColor(), (platform::Rgb{17, 18, 19}));
    EXPECT_FLOAT_EQ(gfx.alpha(), 0.1f);
    EXPECT_EQ(gfx.blend(), 1);
    EXPECT_FLOAT_EQ(gfx.rotation(), 20.0f);
    EXPECT_FLOAT_EQ(gfx.scaleX(), 1.0f);
    EXPECT_FLOAT_EQ(gfx.scaleY(), 0.5f);
    EXPECT_FLOAT_EQ(gfx.handleX(), 11.0f);
    EXPECT_FLOAT_EQ(gfx.handleY(), 12.0f);
    EXPECT_FLOAT_EQ(gfx.originX(), 13.0f);
    EXPECT_FLOAT_EQ(gfx.originY(), 14.0f);
    EXPECT_EQ(gfx.font(), font);
    EXPECT_EQ(gfx.viewport(), (platform::Viewport{10, 11, 12, 13}));
}

TEST(RenderState, CaptureTakesTheStateAtThatMoment) {
    setEverything(10, nullptr);
    RenderState saved;
    setEverything(20, nullptr);
    saved.capture();
    setEverything(30, nullptr);
    saved.restore();
    EXPECT_EQ(drawingLayer().viewport(), (platform::Viewport{20, 21, 22, 23}));
    EXPECT_EQ(drawingLayer().color(), (platform::Rgb{24, 25, 26}));
}

} // namespace
} // namespace tarvex::graphics
