// The reference picture of the screen stack: a harbour screen (sky, sea, an animated fish, a
// fuel gauge, aligned score lines with shadows) with a briefing popup over it (a rounded
// panel, wrapped centred text, a loading bar). The test drives the real screen service and
// rendering service in a kernel and checks a few landmarks; with TARVEX_SCREEN_STACK_PNG set it
// also writes the picture (docs/screen-stack.png is made this way).
#include "core/TypeBuilder.hpp"
#include "graphics/ImageSprite.hpp"
#include "graphics/RectangleRenderRequest.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "platform/BuiltinFiles.hpp"
#include "screens/ScreenManagerService.hpp"
#include "screens/ScreenTypes.hpp"
#include "support/FrameProbe.hpp"
#include "support/TestAnimations.hpp"
#include "support/TestGraphics.hpp"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

using namespace graphics;
using ::tarvex::testing::FrameProbe;
using ::tarvex::testing::Rgb3;

constexpr Rgb3 PANEL_BORDER{250, 210, 80};
constexpr Rgb3 BAR{90, 230, 120};

// Four 16 x 10 cells of a fish whose tail swings.
Ref<platform::Image> fishStrip() {
    const std::uint32_t clear = platform::rgba(0, 0, 0, 0);
    platform::Pixmap pixels(64, 10, clear);
    const int tailSwing[] = {0, 1, 2, 1};
    for (int frame = 0; frame < 4; ++frame) {
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 16; ++x) {
                const double dx = (x - 9.0) / 6.5;
                const double dy = (y - 4.5) / 3.6;
                const bool body = dx * dx + dy * dy <= 1.0;
                const int tailY = y - tailSwing[frame];
                const bool tail = x < 4 && tailY >= 2 + x / 2 && tailY <= 6 - x / 2 + 1;
                if (body || tail) {
                    const bool belly = y > 5;
                    pixels.setPixel(frame * 16 + x, y,
                                    belly ? platform::rgba(255, 200, 120)
                                          : platform::rgba(250, 120, 40));
                }
            }
        }
        pixels.setPixel(frame * 16 + 12, 3, platform::rgba(20, 20, 30)); // eye
    }
    return platform::Image::fromStrip(pixels, 16, 10, 0, 4);
}

Ref<TextRenderStyle> style(const Ref<platform::ImageFont>& font, std::uint8_t alignment,
                           float width) {
    auto text = std::make_shared<TextRenderStyle>();
    text->setFont(font)
        .setFontColor(255, 255, 255)
        .setShadowColor(0, 0, 0)
        .setShadowAlpha(0.6F)
        .setAlignment(alignment)
        .setWidth(width);
    return text;
}

Ref<RectangleRenderRequest> rect(float x, float y, int w, int h, std::uint8_t r, std::uint8_t g,
                                 std::uint8_t b) {
    auto box = RectangleRenderRequest::Create(x, y, w, h);
    box->setBackgroundColor(r, g, b);
    return box;
}

class HarbourScreen : public GameScreen {
public:
    explicit HarbourScreen(Ref<platform::ImageFont> font) : _font(std::move(font)) {}

    void enter() override {
        add(rect(0, 0, 224, 71, 120, 180, 230), "sky");
        for (int band = 0; band < 11; ++band) {
            add(rect(0, static_cast<float>(71 + band * 20), 224, 20, 20,
                     static_cast<std::uint8_t>(90 - 6 * band),
                     static_cast<std::uint8_t>(160 - 10 * band)),
                "");
        }
        add(TextRenderRequest::Create("HARBOUR", 0, 6, style(_font, 2, 224)), "title");
        add(TextRenderRequest::Create("SCORE 12340", 8, 24, style(_font, 1, 100)), "score");
        add(TextRenderRequest::Create("HIGH 50000", 116, 24, style(_font, 3, 100)), "high");
        auto fuel = ProgressBarRenderRequest::Create(8, 42, 96, 8);
        fuel->setBarColor(255, 200, 0).setPadding(1);
        fuel->setBackgroundColor(40, 40, 60);
        fuel->setBorderColor(255, 255, 255).setBorderThickness(1).showBorder();
        fuel->setMaxValue(100);
        fuel->setCurrentValue(70);
        add(fuel, "fuel");
        add(TextRenderRequest::Create("FUEL", 108, 41, style(_font, 1, 40)), "fuel-label");
        const int fishX[] = {20, 96, 170};
        const int fishY[] = {246, 262, 240};
        for (int i = 0; i < 3; ++i) {
            auto fish = ImageSprite::Create(_fishes, fishX[i], fishY[i]);
            fish->setBlendMode(platform::BLEND_ALPHA);
            fish->setAnimation(_swim);
            fish->play("swim", 1.0F);
            fish->setFrameTime(90 + 20 * i);
            add(fish, "");
        }
    }

    Ref<platform::Image> _fishes = fishStrip();
    Ref<AnimationResource> _swim = ::tarvex::testing::animationResource(
        "loop = forever; frame_time = 100;", "swim = 0, 1, 2, 3;");

private:
    Ref<platform::ImageFont> _font;
};

class BriefingPopup : public GameScreen {
public:
    explicit BriefingPopup(Ref<platform::ImageFont> font) : _font(std::move(font)) { _isPopup = 1; }

    void enter() override {
        auto panel = RectangleRenderRequest::Create(24, 80, 176, 150);
        panel->setBackgroundColor(10, 20, 50).setBackgroundAlpha(0.85F);
        panel
            ->setBorderColor(static_cast<std::uint8_t>(PANEL_BORDER.r),
                             static_cast<std::uint8_t>(PANEL_BORDER.g),
                             static_cast<std::uint8_t>(PANEL_BORDER.b))
            .setBorderThickness(3)
            .setBorderRounding(true)
            .showBorder();
        add(panel, "panel");
        add(TextRenderRequest::Create("MISSION 2", 24, 90, style(_font, 2, 176)), "heading");
        auto briefing = TextRenderRequest::Create("", 36, 112, style(_font, 2, 152));
        briefing->setWrap(true);
        briefing->setText("Three submarines patrol the bay. Sink them before the countdown "
                          "ends and spare the fish.");
        add(briefing, "briefing");
        auto loading = ProgressBarRenderRequest::Create(40, 196, 144, 10);
        loading
            ->setBarColor(static_cast<std::uint8_t>(BAR.r), static_cast<std::uint8_t>(BAR.g),
                          static_cast<std::uint8_t>(BAR.b))
            .setPadding(2);
        loading->setBackgroundColor(30, 30, 40);
        loading->setMaxValue(7);
        loading->setCurrentValue(5);
        add(loading, "loading");
        add(TextRenderRequest::Create("PRESS SPACE", 24, 212, style(_font, 3, 160)), "prompt");
    }

private:
    Ref<platform::ImageFont> _font;
};

TEST(ScreenStackScene, PopupOverAScreenWithBarsTextAndAnimation) {
    TARVEX_REQUIRE_WINDOW(window, 448, 576);
    registerScreenTypes();
    platform::registerBuiltinFiles();
    auto& gfx = platform::drawingLayer();
    gfx.setVirtualResolution(224, 288);
    gfx.setViewport(0, 0, 224, 288);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setHandle(0, 0);
    gfx.setOrigin(0, 0);
    gfx.setBlend(platform::BLEND_MASK);
    gfx.setClsColor(0, 0, 0);
    const auto font = platform::ImageFont::load("incbin::small-font.ttf", 10, 0);
    ASSERT_NE(font, nullptr);

    auto kernel = std::make_shared<GameKernel>();
    auto screens = ScreenManagerService::Create();
    auto renderer = std::make_shared<SpriteRenderingService>();
    kernel->addService(nullptr, screens);
    kernel->addService(nullptr, renderer);
    kernel->start();
    renderer->setCamera(RenderCamera::Create(224, 288, 0, 0));
    auto harbour = std::make_shared<HarbourScreen>(font);
    auto briefing = std::make_shared<BriefingPopup>(font);
    screens->addScreen(harbour, 1);
    screens->addScreen(briefing, 1);
    for (int frame = 0; frame < 20; ++frame) { // 320 ms
        kernel->update(16);
    }
    gfx.cls();
    kernel->render(16);
    const FrameProbe shot;
    if (const char* path = std::getenv("TARVEX_SCREEN_STACK_PNG"); path != nullptr) {
        EXPECT_TRUE(platform::savePng(shot.pixels(), path));
    }
    kernel->stop();

    EXPECT_TRUE(harbour->hasNoFocus()) << "the popup holds the focus";
    EXPECT_TRUE(harbour->isCovered());
    EXPECT_EQ(shot.unit(100, 81), PANEL_BORDER) << "the popup is drawn over the harbour";
    EXPECT_EQ(shot.unit(24, 80), (Rgb3{20, 90, 160})) << "rounded corner shows the sea";
    EXPECT_EQ(shot.unit(44, 200), BAR);
    EXPECT_EQ(shot.unit(141, 200), BAR) << "5 of 7 of the 140 units inside the padding";
    EXPECT_NE(shot.unit(142, 200), BAR);
    // At 90 ms a frame the first fish changes on updates 6, 12 and 17: 20 updates in it shows
    // frame 3 of the strip.
    const platform::Pixmap cell = fishStrip()->framePixels(3);
    int ink = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const std::uint32_t p = cell.pixel(x, y);
            if ((p >> 24) == 0) {
                continue;
            }
            ++ink;
            const Rgb3 expected{static_cast<int>(p & 255), static_cast<int>((p >> 8) & 255),
                                static_cast<int>((p >> 16) & 255)};
            ASSERT_EQ(shot.unit(20 + x, 246 + y), expected) << x << ", " << y;
        }
    }
    EXPECT_GT(ink, 40);
}

} // namespace
} // namespace tarvex
