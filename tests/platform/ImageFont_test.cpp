#include "platform/BuiltinFiles.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/ImageFont.hpp"
#include "support/TestGraphics.hpp"

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

// Ink of one glyph in the atlas: how many pixels are lit, and the lit columns of its top and
// bottom rows (relative to the glyph's left edge).
struct GlyphInk {
    int pixels = 0;
    int topRowFirst = -1;
    int bottomRowFirst = -1;
};

GlyphInk inkOf(const ImageFont& font, unsigned char c) {
    const auto& glyph = font.glyph(c);
    const Pixmap atlas = font.atlas().framePixels(0);
    GlyphInk ink;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if ((atlas.pixel(glyph.atlasX + x, glyph.atlasY + y) >> 24) == 0) {
                continue;
            }
            ++ink.pixels;
            if (y == 0 && ink.topRowFirst < 0) {
                ink.topRowFirst = x;
            }
            if (y == glyph.height - 1 && ink.bottomRowFirst < 0) {
                ink.bottomRowFirst = x;
            }
        }
    }
    return ink;
}

TEST_F(SmallFont, BoldThickensStrokesToTheRightAndWidensAdvances) {
    const auto regular = ImageFont::load("incbin::small-font.ttf", 10, 0);
    const auto bold = ImageFont::load("incbin::small-font.ttf", 10, FONT_BOLD);
    ASSERT_TRUE(regular && bold);
    for (const unsigned char c : {'A', 'H', 'i', 'm'}) {
        EXPECT_EQ(bold->glyph(c).width, regular->glyph(c).width + 1) << c;
        EXPECT_EQ(bold->glyph(c).advance, regular->glyph(c).advance + 1) << c;
        EXPECT_EQ(bold->glyph(c).left, regular->glyph(c).left) << c << ": left edges stay put";
        EXPECT_EQ(bold->glyph(c).height, regular->glyph(c).height) << c;
        EXPECT_GT(inkOf(*bold, c).pixels, inkOf(*regular, c).pixels) << c;
    }
    EXPECT_EQ(bold->height(), regular->height()) << "lines keep their height";
    EXPECT_EQ(bold->style(), FONT_BOLD);
    // Bold is not smoothing: every pixel is still fully on or off.
    const Pixmap& atlas = bold->atlas().atlas();
    for (int y = 0; y < atlas.height(); ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const auto alpha = atlas.pixel(x, y) >> 24;
            ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
        }
    }
}

TEST_F(SmallFont, ItalicSlantsTheTopToTheRight) {
    const auto regular = ImageFont::load("incbin::small-font.ttf", 20, 0);
    const auto italic = ImageFont::load("incbin::small-font.ttf", 20, FONT_ITALIC);
    ASSERT_TRUE(regular && italic);
    // "!" is one straight stroke: upright its top and bottom rows start at the same column.
    const auto upright = inkOf(*regular, '!');
    const auto slanted = inkOf(*italic, '!');
    EXPECT_EQ(upright.topRowFirst - upright.bottomRowFirst, 0);
    EXPECT_GE(slanted.topRowFirst - slanted.bottomRowFirst, 2);
    EXPECT_EQ(italic->glyph('l').advance, regular->glyph('l').advance);

    const auto both = ImageFont::load("incbin::small-font.ttf", 20, FONT_BOLD | FONT_ITALIC);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->glyph('l').advance, regular->glyph('l').advance + 1);
}

TEST_F(SmallFont, BoldTextDrawsHeavierAndWiderOnScreen) {
    TARVEX_REQUIRE_WINDOW(window, 448, 576);
    const auto regular = ImageFont::load("incbin::small-font.ttf", 10, 0);
    const auto bold = ImageFont::load("incbin::small-font.ttf", 10, FONT_BOLD);
    ASSERT_TRUE(regular && bold);
    auto& gfx = drawingLayer();
    gfx.setVirtualResolution(224, 288);
    gfx.setViewport(0, 0, 224, 288);
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setHandle(0, 0);
    gfx.setOrigin(0, 0);
    gfx.setAlpha(1);
    gfx.setBlend(BLEND_SOLID);
    gfx.setClsColor(0, 0, 0);
    gfx.cls();
    gfx.setColor(255, 255, 255);
    gfx.setFont(regular);
    gfx.drawText("HI", 10, 10);
    gfx.setFont(bold);
    gfx.drawText("HI", 10, 30);
    // Screen pixels are two per virtual unit: each line of text is 20 pixels tall.
    const auto measure = [&](int top) {
        const Pixmap pixels = gfx.readPixels(0, top, 120, 20);
        int lit = 0;
        int right = -1;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                if ((pixels.pixel(x, y) & 0xFFU) > 128) {
                    ++lit;
                    right = std::max(right, x);
                }
            }
        }
        return std::pair{lit, right};
    };
    const auto [regularLit, regularRight] = measure(20);
    const auto [boldLit, boldRight] = measure(60);
    EXPECT_GT(regularLit, 0);
    EXPECT_GT(boldLit, regularLit);
    EXPECT_GT(boldRight, regularRight) << "bold text ends further right";
}

} // namespace
} // namespace tarvex::platform
