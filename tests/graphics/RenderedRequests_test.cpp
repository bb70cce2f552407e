// What the player sees: render requests drawn through the queue into a real window and read
// back, once with each renderer.
#include "RenderWindowTest.hpp"
#include "graphics/ImageSprite.hpp"
#include "graphics/RectangleRenderRequest.hpp"
#include "graphics/RenderGroup.hpp"
#include "graphics/TextRenderRequest.hpp"
#include "graphics/TileImageRequest.hpp"
#include "support/TestAnimations.hpp"

namespace tarvex::graphics {
namespace {

using testing::BACKGROUND;
using testing::FrameProbe;
using testing::RenderWindowTest;
using testing::Rgb3;

constexpr Rgb3 RED{255, 0, 0};
constexpr Rgb3 GREEN{0, 255, 0};
constexpr Rgb3 BLUE{0, 0, 255};
constexpr Rgb3 WHITE{255, 255, 255};
constexpr Rgb3 YELLOW{255, 255, 0};

Ref<RectangleRenderRequest> box(float x, float y, int w, int h, Rgb3 colour) {
    auto rectangle = RectangleRenderRequest::Create(x, y, w, h);
    rectangle->setBackgroundColor(static_cast<std::uint8_t>(colour.r),
                                  static_cast<std::uint8_t>(colour.g),
                                  static_cast<std::uint8_t>(colour.b));
    return rectangle;
}

class RenderQueuePixels : public RenderWindowTest {};

TEST_P(RenderQueuePixels, UiGroupIsDrawnOverSpritesWhateverTheZIndex) {
    auto sprites = std::make_shared<RenderGroup>();
    auto ui = std::make_shared<RenderGroup>();
    auto under = box(10, 10, 20, 20, RED);
    under->setZIndex(200);
    sprites->add(under, "");
    ui->add(box(20, 20, 20, 20, BLUE), "");
    renderer.add(sprites, "sprites");
    renderer.add(ui, "ui");
    const FrameProbe shot = frame();
    EXPECT_EQ(shot.unit(15, 15), RED);
    EXPECT_EQ(shot.unit(25, 25), BLUE) << "the overlap shows the later group";
    EXPECT_EQ(shot.unit(35, 35), BLUE);
    EXPECT_EQ(shot.unit(5, 5), BACKGROUND);
}

TEST_P(RenderQueuePixels, CameraMovesSpritesAndRectanglesButNotTextOrRequestsIgnoringIt) {
    auto group = std::make_shared<RenderGroup>();
    group->add(box(10, 10, 4, 4, RED), "");
    auto fixed = box(60, 10, 4, 4, GREEN);
    fixed->ignoreCamera(true);
    group->add(fixed, "");
    auto label = TextRenderRequest::Create("I", 100, 100, nullptr);
    label->setFont(font).setFontColor(255, 255, 255);
    group->add(label, "");
    renderer.add(group, "sprites");
    const FrameProbe still = frame();
    const auto labelInk = still.mask(90, 90, 30, 30, BACKGROUND);
    ASSERT_FALSE(labelInk.empty());

    renderer.setCamera(RenderCamera::Create(224, 288, 3, -2));
    const FrameProbe moved = frame();
    EXPECT_EQ(moved.unit(7, 12), RED) << "(10, 10) less the camera (3, -2)";
    EXPECT_EQ(moved.unit(10, 15), RED);
    EXPECT_EQ(moved.unit(11, 11), BACKGROUND);
    EXPECT_EQ(moved.unit(60, 10), GREEN);
    EXPECT_EQ(moved.unit(63, 13), GREEN);
    EXPECT_EQ(moved.mask(90, 90, 30, 30, BACKGROUND), labelInk) << "text stays put";
}

TEST_P(RenderQueuePixels, ClippedGroupCutsItsItemsToAScreenBoxTheCameraDoesNotMove) {
    auto clipped = ClippedRenderGroup::Create(50, 50, 20, 10);
    clipped->add(box(40, 40, 50, 50, RED), "");
    renderer.add(clipped, "clipped");
    renderer.setCamera(RenderCamera::Create(224, 288, 5, 0));
    const FrameProbe shot = frame();
    EXPECT_EQ(shot.unit(50, 50), RED);
    EXPECT_EQ(shot.unit(69, 59), RED);
    EXPECT_EQ(shot.unit(49, 55), BACKGROUND);
    EXPECT_EQ(shot.unit(70, 55), BACKGROUND);
    EXPECT_EQ(shot.unit(60, 60), BACKGROUND);
    auto& gfx = platform::drawingLayer();
    EXPECT_EQ(gfx.viewport(), (platform::Viewport{0, 0, 224, 288})) << "the viewport is restored";
}

TEST_P(RenderQueuePixels, TiledImageRepeatsInsideItsBoxFromItsOffset) {
    platform::Pixmap halves(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            halves.setPixel(x, y, x < 2 ? platform::rgba(255, 0, 0) : platform::rgba(0, 0, 255));
        }
    }
    auto tiles = TileImageRequest::Create(platform::Image::fromPixmap(halves), 100, 200, 16, 8);
    auto group = std::make_shared<RenderGroup>();
    group->add(tiles, "");
    renderer.add(group, "");
    renderer.setCamera(RenderCamera::Create(224, 288, 7, 7));
    const FrameProbe plain = frame();
    EXPECT_EQ(plain.unit(100, 200), RED) << "tiles ignore the camera";
    EXPECT_EQ(plain.unit(102, 200), BLUE);
    EXPECT_EQ(plain.unit(104, 207), RED);
    EXPECT_EQ(plain.unit(115, 203), BLUE);
    EXPECT_EQ(plain.unit(116, 203), BACKGROUND) << "clipped to 16 x 8";
    EXPECT_EQ(plain.unit(100, 208), BACKGROUND);
    EXPECT_EQ(plain.unit(99, 203), BACKGROUND);
    tiles->setOffset(2, 0);
    const FrameProbe moved = frame();
    EXPECT_EQ(moved.unit(100, 200), BLUE);
    EXPECT_EQ(moved.unit(102, 200), RED);
}

class TextRenderRequestPixels : public RenderWindowTest {
protected:
    Ref<TextRenderRequest> text(const std::string& line, int x, int y) {
        auto request = TextRenderRequest::Create(line, x, y, nullptr);
        request->setFont(font).setFontColor(255, 255, 255);
        request->setBlendMode(platform::BLEND_ALPHA);
        return request;
    }
    FrameProbe::Units inkOf(const Ref<TextRenderRequest>& request) {
        auto group = std::make_shared<RenderGroup>();
        group->add(request, "");
        renderer.add(group, "");
        const FrameProbe shot = frame();
        renderer.remove(group, 1);
        return shot.mask(0, 0, 224, 288, BACKGROUND);
    }
};

TEST_P(TextRenderRequestPixels, CentredAndRightAlignedLinesSitInTheirBox) {
    const std::string line = "SCORE 1240";
    const int width = font->textWidth(line);
    const auto left = inkOf(text(line, 10, 40));
    ASSERT_FALSE(left.empty());

    auto centred = text(line, 10, 40);
    centred->setAlignment(TextRenderRequest::ALIGN_CENTER).setWidth(static_cast<float>(width + 20));
    EXPECT_EQ(inkOf(centred), FrameProbe::shifted(left, 10, 0));

    auto right = text(line, 10, 40);
    right->setAlignment(TextRenderRequest::ALIGN_RIGHT).setWidth(static_cast<float>(width + 30));
    EXPECT_EQ(inkOf(right), FrameProbe::shifted(left, 30, 0));
}

TEST_P(TextRenderRequestPixels, WrappedTextBreaksAtTheWidthOneLineHeightApart) {
    const auto oneWord = inkOf(text("aaa", 10, 40));
    auto wrapped = text("", 10, 40);
    wrapped->setWrap(true).setWidth(static_cast<float>(font->textWidth("aaa  aaa") - 1));
    wrapped->setText("aaa aaa aaa");
    const auto ink = inkOf(wrapped);
    const int lineHeight = font->height();
    FrameProbe::Units expected;
    for (int line = 0; line < 3; ++line) {
        const auto moved = FrameProbe::shifted(oneWord, 0, line * lineHeight);
        expected.insert(moved.begin(), moved.end());
    }
    EXPECT_EQ(ink, expected) << "three lines of one word each";
}

TEST_P(TextRenderRequestPixels, ShadowFallsRightAndDownInItsColourAndAlpha) {
    const auto plain = inkOf(text("HI", 50, 60));
    ASSERT_FALSE(plain.empty());
    auto shadowed = text("HI", 50, 60);
    shadowed->setShadowColor(255, 0, 0).setShadowDistance(2, 3).setShadowAlpha(1.0F);
    auto group = std::make_shared<RenderGroup>();
    group->add(shadowed, "");
    renderer.add(group, "");
    const FrameProbe shot = frame();
    const auto shadow = FrameProbe::shifted(plain, 2, 3);
    for (const auto& [x, y] : plain) {
        ASSERT_EQ(shot.unit(x, y), WHITE) << "text over its shadow at " << x << ", " << y;
    }
    int shadowOnly = 0;
    for (const auto& [x, y] : shadow) {
        if (plain.count({x, y}) == 0) {
            ASSERT_EQ(shot.unit(x, y), RED) << x << ", " << y;
            ++shadowOnly;
        }
    }
    EXPECT_GT(shadowOnly, 0);
    auto all = plain;
    all.insert(shadow.begin(), shadow.end());
    EXPECT_EQ(shot.mask(0, 0, 224, 288, BACKGROUND), all) << "nothing else is drawn";

    shadowed->setShadowAlpha(0.5F);
    const FrameProbe half = frame();
    for (const auto& [x, y] : shadow) {
        if (plain.count({x, y}) == 0) {
            const Rgb3 mixed{(255 + BACKGROUND.r) / 2, BACKGROUND.g / 2, BACKGROUND.b / 2};
            ASSERT_TRUE(::tarvex::testing::near(half.unit(x, y), mixed, 2))
                << half.unit(x, y) << " at " << x << ", " << y;
        }
    }
}

class RectangleRenderRequestPixels : public RenderWindowTest {};

TEST_P(RectangleRenderRequestPixels, BorderStripsSurroundTheInsetBackground) {
    auto rectangle = box(20, 100, 20, 10, GREEN);
    rectangle->setBorderColor(255, 0, 0).setBorderThickness(2).showBorder();
    auto rounded = box(60, 100, 20, 10, GREEN);
    rounded->setBorderColor(255, 0, 0).setBorderThickness(2).setBorderRounding(true).showBorder();
    auto sides = box(100, 100, 20, 10, GREEN);
    sides->setBorderColor(255, 0, 0)
        .setBorderThickness(2)
        .setBorderVisibility(RectangleRenderRequest::BORDER_TOP |
                             RectangleRenderRequest::BORDER_LEFT)
        .showBorder();
    auto group = std::make_shared<RenderGroup>();
    group->add(rectangle, "");
    group->add(rounded, "");
    group->add(sides, "");
    renderer.add(group, "");
    const FrameProbe shot = frame();
    for (int x = 20; x < 40; ++x) {
        EXPECT_EQ(shot.unit(x, 100), RED) << "top, 20 wide: " << x;
        EXPECT_EQ(shot.unit(x, 101), RED);
        EXPECT_EQ(shot.unit(x, 108), RED) << "bottom: " << x;
        EXPECT_EQ(shot.unit(x, 109), RED);
    }
    for (int y = 102; y < 108; ++y) {
        EXPECT_EQ(shot.unit(21, y), RED) << "left side, 6 high: " << y;
        EXPECT_EQ(shot.unit(38, y), RED) << "right side: " << y;
        EXPECT_EQ(shot.unit(22, y), GREEN) << "background 16 x 6 inside: " << y;
        EXPECT_EQ(shot.unit(37, y), GREEN);
    }
    EXPECT_EQ(shot.unit(19, 105), BACKGROUND);
    EXPECT_EQ(shot.unit(40, 105), BACKGROUND);
    EXPECT_EQ(shot.unit(30, 110), BACKGROUND);
    // Rounded: the corner squares stay empty.
    EXPECT_EQ(shot.unit(60, 100), BACKGROUND);
    EXPECT_EQ(shot.unit(79, 109), BACKGROUND);
    EXPECT_EQ(shot.unit(62, 100), RED);
    EXPECT_EQ(shot.unit(60, 102), RED);
    // Only top and left drawn; the background is still inset on every side.
    EXPECT_EQ(shot.unit(110, 100), RED);
    EXPECT_EQ(shot.unit(100, 105), RED);
    EXPECT_EQ(shot.unit(110, 108), BACKGROUND);
    EXPECT_EQ(shot.unit(118, 105), BACKGROUND);
    EXPECT_EQ(shot.unit(110, 105), GREEN);
}

TEST_P(RectangleRenderRequestPixels, ProgressBarFillsItsFractionOfTheWidth) {
    auto bar = ProgressBarRenderRequest::Create(10, 150, 100, 6);
    bar->setBarColor(255, 255, 0).setMaxValue(50);
    bar->setBackgroundColor(0, 0, 255);
    auto group = std::make_shared<RenderGroup>();
    group->add(bar, "");
    renderer.add(group, "");
    const auto filledUpTo = [&] {
        const FrameProbe shot = frame();
        int filled = 0;
        for (int x = 10; x < 110; ++x) {
            const Rgb3 colour = shot.unit(x, 152);
            EXPECT_TRUE(colour == YELLOW || colour == BLUE) << colour << " at " << x;
            if (colour == YELLOW) {
                EXPECT_EQ(x, 10 + filled) << "the fill starts at the left and has no gaps";
                ++filled;
            }
        }
        return filled;
    };
    bar->setCurrentValue(0);
    EXPECT_EQ(filledUpTo(), 0);
    bar->setCurrentValue(25);
    EXPECT_EQ(filledUpTo(), 50);
    bar->setCurrentValue(50);
    EXPECT_EQ(filledUpTo(), 100);
}

class ImageSpritePixels : public RenderWindowTest {};

TEST_P(ImageSpritePixels, AnimatedSpriteShowsTheFrameDueAfterTheElapsedTime) {
    const Rgb3 cells[] = {RED, GREEN, BLUE, YELLOW};
    platform::Pixmap sheet(32, 8);
    for (int cell = 0; cell < 4; ++cell) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                sheet.setPixel(cell * 8 + x, y,
                               platform::rgba(static_cast<std::uint8_t>(cells[cell].r),
                                              static_cast<std::uint8_t>(cells[cell].g),
                                              static_cast<std::uint8_t>(cells[cell].b)));
            }
        }
    }
    auto sprite = ImageSprite::Create(platform::Image::fromStrip(sheet, 8, 8, 0, 4), 150, 150);
    sprite->setAnimation(::tarvex::testing::animationResource("loop = forever; frame_time = 100;",
                                                              "spin = 0, 1, 2, 3;"));
    sprite->play("spin", 1.0F);
    auto group = std::make_shared<RenderGroup>();
    group->add(sprite, "");
    renderer.add(group, "sprites");
    renderer.setCamera(RenderCamera::Create(224, 288, 0, 0));
    // 12 updates of 16 ms: frames change on the 7th (to 1) and the 13th.
    for (int i = 0; i < 12; ++i) {
        renderer.update(16);
    }
    EXPECT_EQ(frame().unit(154, 154), BLUE) << "the 13th update, 208 ms in, shows frame 2";
    EXPECT_EQ(frame(300).unit(154, 154), YELLOW);
    EXPECT_EQ(frame().unit(149, 154), BACKGROUND);
    EXPECT_EQ(frame().unit(158, 154), BACKGROUND);
}

INSTANTIATE_TEST_SUITE_P(Renderers, RenderQueuePixels,
                         ::testing::Values(platform::RENDERER_COMPOSITOR,
                                           platform::RENDERER_OPENGL),
                         testing::rendererName);
INSTANTIATE_TEST_SUITE_P(Renderers, TextRenderRequestPixels,
                         ::testing::Values(platform::RENDERER_COMPOSITOR,
                                           platform::RENDERER_OPENGL),
                         testing::rendererName);
INSTANTIATE_TEST_SUITE_P(Renderers, RectangleRenderRequestPixels,
                         ::testing::Values(platform::RENDERER_COMPOSITOR,
                                           platform::RENDERER_OPENGL),
                         testing::rendererName);
INSTANTIATE_TEST_SUITE_P(Renderers, ImageSpritePixels,
                         ::testing::Values(platform::RENDERER_COMPOSITOR,
                                           platform::RENDERER_OPENGL),
                         testing::rendererName);

} // namespace
} // namespace tarvex::graphics
