#include "platform/Pixmap.hpp"
#include "support/SourceDir.hpp"
#include "support/TestGraphics.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex::platform {
namespace {

using tarvex::testing::channels;
using tarvex::testing::Rgba;

std::string corpus(const std::string& name) {
    return tarvex::testing::sourcePath("fuzz/corpus/image/" + name);
}

Pixmap checker() {
    Pixmap pixels(3, 2);
    pixels.setPixel(0, 0, rgba(255, 0, 0));
    pixels.setPixel(1, 0, rgba(0, 255, 0, 128));
    pixels.setPixel(2, 0, rgba(0, 0, 255, 0));
    pixels.setPixel(0, 1, rgba(255, 0, 255));
    pixels.setPixel(1, 1, rgba(1, 2, 3));
    pixels.setPixel(2, 1, rgba(255, 255, 255));
    return pixels;
}

TEST(Png, EncodedPixmapDecodesToTheSamePixels) {
    const Pixmap original = checker();
    const auto bytes = encodePng(original);
    ASSERT_FALSE(bytes.empty());
    const auto decoded = decodePng(bytes);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width(), 3);
    ASSERT_EQ(decoded->height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(decoded->pixel(x, y), original.pixel(x, y)) << x << "," << y;
        }
    }
}

TEST(Png, EveryPixelFormatBecomesRgba) {
    // The same 4x3 picture stored as RGB, palette, interlaced; its first pixels are red, green.
    for (const char* name : {"rgb8.png", "palette.png", "interlaced.png"}) {
        const auto pixels = loadPng(corpus(name));
        ASSERT_TRUE(pixels) << name;
        EXPECT_EQ(channels(pixels->pixel(0, 0)), (Rgba{255, 0, 0, 255})) << name;
        EXPECT_EQ(channels(pixels->pixel(1, 0)), (Rgba{0, 255, 0, 255})) << name;
        EXPECT_EQ(channels(pixels->pixel(3, 2)), (Rgba{100, 110, 120, 255})) << name;
    }
    const auto withAlpha = loadPng(corpus("rgba8.png"));
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(channels(withAlpha->pixel(1, 0)), (Rgba{0, 255, 0, 20}));

    const auto grey = loadPng(corpus("grey8.png"));
    ASSERT_TRUE(grey);
    EXPECT_EQ(channels(grey->pixel(1, 0)), (Rgba{50, 50, 50, 255}));
    const auto deep = loadPng(corpus("grey16.png"));
    ASSERT_TRUE(deep);
    EXPECT_EQ(channels(deep->pixel(1, 0)), (Rgba{50, 50, 50, 255})) << "16 bits drop to 8";
    const auto bilevel = loadPng(corpus("bilevel.png"));
    ASSERT_TRUE(bilevel);
    EXPECT_EQ(channels(bilevel->pixel(0, 0)), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(channels(bilevel->pixel(1, 0)), (Rgba{0, 0, 0, 255}));
}

TEST(Png, MissingTruncatedOrCorruptDataGivesNull) {
    EXPECT_FALSE(loadPng(corpus("no-such-file.png")));
    const auto bytes = encodePng(checker());
    EXPECT_FALSE(decodePng({}));
    EXPECT_FALSE(decodePng(std::span(bytes).first(8))) << "signature only";
    EXPECT_FALSE(decodePng(std::span(bytes).first(bytes.size() / 2))) << "truncated";
    std::vector<std::uint8_t> corrupt = bytes;
    corrupt[bytes.size() / 2] ^= 0x5a;
    EXPECT_FALSE(decodePng(corrupt)) << "checksum mismatch";
    const std::string text = "this is not a png file at all";
    EXPECT_FALSE(
        decodePng(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
}

// A PNG header claiming the given size, with its checksum fixed, followed by a few bytes of
// image data: decoding must refuse it before allocating for the claimed size.
std::vector<std::uint8_t> headerClaiming(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = encodePng(checker());
    // IHDR data starts at byte 16 (8 signature + 4 length + 4 type).
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
        bytes[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    std::uint32_t crc = 0xffffffffu;
    for (int i = 12; i < 12 + 4 + 13; ++i) {
        crc ^= bytes[static_cast<std::size_t>(i)];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    crc ^= 0xffffffffu;
    for (int i = 0; i < 4; ++i) {
        bytes[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
    return bytes;
}

TEST(Png, ImpossibleSizesAreRefused) {
    EXPECT_FALSE(decodePng(headerClaiming(16385, 4))) << "wider than the limit";
    EXPECT_FALSE(decodePng(headerClaiming(16000, 16000))) << "far more pixels than the data holds";
    EXPECT_FALSE(decodePng(headerClaiming(0, 5)));
}

TEST(Pixmap, MaskMakesOnlyThatExactColourTransparent) {
    Pixmap pixels = checker();
    pixels.applyMask(255, 0, 255);
    EXPECT_EQ(channels(pixels.pixel(0, 1)).a, 0);
    EXPECT_EQ(channels(pixels.pixel(0, 0)).a, 255) << "red is not magenta";
    EXPECT_EQ(channels(pixels.pixel(1, 1)), (Rgba{1, 2, 3, 255}));
}

TEST(Pixmap, CopyRectIsClippedToThePixmap) {
    const Pixmap pixels = checker();
    const Pixmap part = pixels.copyRect(1, 1, 5, 5);
    EXPECT_EQ(part.width(), 2);
    EXPECT_EQ(part.height(), 1);
    EXPECT_EQ(part.pixel(0, 0), pixels.pixel(1, 1));
    EXPECT_TRUE(pixels.copyRect(-5, -5, 2, 2).empty());
    EXPECT_EQ(pixels.pixel(7, 7), 0u) << "reading outside answers transparent black";
}

} // namespace
} // namespace tarvex::platform
