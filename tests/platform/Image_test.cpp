#include "platform/Image.hpp"
#include "platform/Stream.hpp"
#include "support/TestGraphics.hpp"

#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

using tarvex::testing::channels;
using tarvex::testing::Rgba;

// Six 2x2 cells in a 3 x 2 grid; cell k is filled with grey level 10 * (k + 1), except that
// its top-left pixel is magenta.
Pixmap sheet() {
    Pixmap pixels(6, 4);
    for (int cell = 0; cell < 6; ++cell) {
        const int left = (cell % 3) * 2;
        const int top = (cell / 3) * 2;
        const auto level = static_cast<std::uint8_t>(10 * (cell + 1));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) {
                pixels.setPixel(left + x, top + y, rgba(level, level, level));
            }
        }
        pixels.setPixel(left, top, rgba(255, 0, 255));
    }
    return pixels;
}

TEST(Image, StripCellsAreNumberedAcrossThenDownFromTheFirstCell) {
    const auto strip = Image::fromStrip(sheet(), 2, 2, 2, 3);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->frameCount(), 3);
    EXPECT_EQ(strip->width(), 2);
    EXPECT_EQ(strip->height(), 2);
    for (int frame = 0; frame < 3; ++frame) {
        const int level = 10 * (frame + 3); // cells 2, 3, 4
        EXPECT_EQ(channels(strip->framePixels(frame).pixel(1, 1)), (Rgba{level, level, level, 255}))
            << "frame " << frame;
    }
}

TEST(Image, StripsThatDoNotFitThePictureAreRefused) {
    EXPECT_FALSE(Image::fromStrip(sheet(), 2, 2, 4, 3)) << "only six cells";
    EXPECT_FALSE(Image::fromStrip(sheet(), 0, 2, 0, 1));
    EXPECT_FALSE(Image::fromStrip(sheet(), 2, 2, 0, 0));
    EXPECT_FALSE(Image::fromStrip(sheet(), 2, 2, -1, 1));
    EXPECT_FALSE(Image::fromStrip(sheet(), 7, 1, 0, 1)) << "cell wider than the picture";
    EXPECT_TRUE(Image::fromStrip(sheet(), 2, 2, 0, 6));
}

TEST(Image, FramesAreSurroundedByCopiesOfTheirEdges) {
    // Smooth scaling samples just outside a frame; it must find the frame's own edge there,
    // not the neighbouring frame.
    const auto strip = Image::fromStrip(sheet(), 2, 2, 0, 6);
    ASSERT_TRUE(strip);
    const Pixmap& atlas = strip->atlas();
    for (int frame = 0; frame < 6; ++frame) {
        const int left = strip->frameLeft(frame);
        const int top = strip->frameTop(frame);
        EXPECT_EQ(atlas.pixel(left - 1, top + 1), atlas.pixel(left, top + 1));
        EXPECT_EQ(atlas.pixel(left + 2, top + 1), atlas.pixel(left + 1, top + 1));
        EXPECT_EQ(atlas.pixel(left + 1, top + 2), atlas.pixel(left + 1, top + 1));
        EXPECT_EQ(atlas.pixel(left - 1, top - 1), atlas.pixel(left, top));
    }
}

TEST(Image, LoadingAppliesTheMaskOnlyWhenAskedTo) {
    registerMemoryFile("sheet.png", encodePng(sheet()));
    const auto masked = Image::load("memory::sheet.png", 2, 2, 0, 6, IMAGE_MASKED, {255, 0, 255});
    const auto plain = Image::load("memory::sheet.png", 2, 2, 0, 6, 0, {255, 0, 255});
    ASSERT_TRUE(masked);
    ASSERT_TRUE(plain);
    EXPECT_EQ(channels(masked->framePixels(1).pixel(0, 0)).a, 0);
    EXPECT_EQ(channels(masked->framePixels(1).pixel(1, 0)).a, 255);
    EXPECT_EQ(channels(plain->framePixels(1).pixel(0, 0)), (Rgba{255, 0, 255, 255}));
    EXPECT_EQ(masked->flags(), IMAGE_MASKED);
}

TEST(Image, MissingOrBrokenFilesGiveNoImage) {
    registerMemoryFile("broken.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    EXPECT_FALSE(Image::load("memory::broken.png", 0, {}));
    EXPECT_FALSE(Image::load("memory::absent.png", 0, {}));
}

TEST(Image, OutOfRangeFramesShowTheNearestFrame) {
    const auto strip = Image::fromStrip(sheet(), 2, 2, 0, 3);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->frameLeft(-4), strip->frameLeft(0));
    EXPECT_EQ(strip->frameTop(99), strip->frameTop(2));
}

} // namespace
} // namespace tarvex::platform
