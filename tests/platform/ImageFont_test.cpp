#include "platform/BuiltinFiles.hpp"
#include "platform/ImageFont.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace tarvex::platform {
namespace {

class SmallFont : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerBuiltinFiles(); }
};

TEST_F(SmallFont, LoadsAtTheGameSizesWithLinesOfTheFullEm) {
    for (const int size : {9, 10, 20}) {
        const auto font = ImageFont::load("incbin::small-font.ttf", size, 0);
        ASSERT_TRUE(font) << size;
        EXPECT_GE(font->height(), size) << size;
    }
    EXPECT_EQ(ImageFont::load("incbin::small-font.ttf", 10, 0)->height(), 10);
    EXPECT_EQ(ImageFont::load("incbin::small-font.ttf", 20, 0)->height(), 20);
}

TEST_F(SmallFont, DesignPixelsAreWholeScreenPixelsAtTenAndTwenty) {
    const auto ten = ImageFont::load("incbin::small-font.ttf", 10, 0);
    const auto twenty = ImageFont::load("incbin::small-font.ttf", 20, 0);
    ASSERT_TRUE(ten && twenty);
    // "A" is five design pixels wide plus one of spacing, seven tall standing on the baseline.
    EXPECT_EQ(ten->glyph('A').advance, 6);
    EXPECT_EQ(ten->glyph('A').width, 5);
    EXPECT_EQ(ten->glyph('A').height, 7);
    EXPECT_EQ(ten->glyph('A').top, 1);
    EXPECT_EQ(twenty->glyph('A').advance, 12);
    EXPECT_EQ(twenty->glyph('A').width, 10);
    EXPECT_EQ(twenty->glyph('A').height, 14);
    EXPECT_EQ(twenty->glyph('A').top, 2);
    EXPECT_EQ(ten->glyph('g').top + ten->glyph('g').height, 10) << "descenders reach the bottom";
}

TEST_F(SmallFont, UnsmoothedGlyphsHaveOnlyFullyOnOrOffPixels) {
    const auto font = ImageFont::load("incbin::small-font.ttf", 9, 0);
    ASSERT_TRUE(font);
    const Pixmap& atlas = font->atlas().atlas();
    int ink = 0;
    for (int y = 0; y < atlas.height(); ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const auto alpha = atlas.pixel(x, y) >> 24;
            ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
            ink += alpha == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 500) << "every printable character leaves ink at 9 px";
}

TEST_F(SmallFont, TextWidthIsTheSumOfAdvances) {
    const auto font = ImageFont::load("incbin::small-font.ttf", 10, 0);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->textWidth(""), 0);
    EXPECT_EQ(font->textWidth("AA"), 12);
    EXPECT_EQ(font->textWidth("A i"),
              font->glyph('A').advance + font->glyph(' ').advance + font->glyph('i').advance);
    EXPECT_EQ(font->glyph('i').advance, 2);
    for (int c = 32; c < 127; ++c) {
        EXPECT_GT(font->glyph(static_cast<unsigned char>(c)).advance, 0) << "character " << c;
    }
    EXPECT_EQ(font->textWidth("\x01\x7f"), 0) << "characters the font lacks take no room";
}

TEST(ImageFont, DataFreeTypeRejectsGivesNoFont) {
    const std::vector<std::uint8_t> garbage(512, 0x42);
    EXPECT_FALSE(ImageFont::fromBytes(garbage, 10, 0));
    EXPECT_FALSE(ImageFont::fromBytes({}, 10, 0));
    EXPECT_FALSE(ImageFont::load("no/such/font.ttf", 10, 0));
    registerBuiltinFiles();
    EXPECT_FALSE(ImageFont::load("incbin::small-font.ttf", 0, 0)) << "size must be positive";
    EXPECT_FALSE(ImageFont::load("incbin::small-font.ttf", 100000, 0));
    // A font cut short: the tables it points to are missing.
    const auto whole = smallFontBytes();
    EXPECT_FALSE(ImageFont::fromBytes(whole.first(200), 10, 0));
}

TEST(ImageFont, SmoothStyleGivesPartialCoverage) {
    registerBuiltinFiles();
    const auto font = ImageFont::load("incbin::small-font.ttf", 9, FONT_SMOOTH);
    ASSERT_TRUE(font);
    const Pixmap& atlas = font->atlas().atlas();
    bool partial = false;
    for (int y = 0; y < atlas.height() && !partial; ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const auto alpha = atlas.pixel(x, y) >> 24;
            partial = partial || (alpha > 0 && alpha < 255);
        }
    }
    EXPECT_TRUE(partial) << "at 9 px the 10 px design falls between pixels";
}

} // namespace
} // namespace tarvex::platform
