#include "graphics/HexColor.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

struct Parsed {
    int r, g, b;
    friend bool operator==(const Parsed&, const Parsed&) = default;
};

Parsed parse(std::string_view text) {
    std::uint8_t r = 1;
    std::uint8_t g = 1;
    std::uint8_t b = 1;
    parseHexColor(text, r, g, b);
    return {r, g, b};
}

TEST(HexColor, SixDigitsWithOrWithoutHashAnythingElseIsWhite) {
    EXPECT_EQ(parse("#FF8040"), (Parsed{255, 128, 64}));
    EXPECT_EQ(parse("FF8040"), (Parsed{255, 128, 64}));
    EXPECT_EQ(parse("ff8040"), (Parsed{255, 128, 64}));
    EXPECT_EQ(parse("F80"), (Parsed{255, 255, 255}));
    EXPECT_EQ(parse(""), (Parsed{255, 255, 255}));
    EXPECT_EQ(parse("#"), (Parsed{255, 255, 255}));
    EXPECT_EQ(parse("#FF80401"), (Parsed{255, 255, 255}));
    EXPECT_EQ(parse("GG0000"), (Parsed{0, 0, 0})) << "stray characters count as 0";
}

TEST(HexColor, HexToIntIsCaseBlindAndCountsStrayCharactersAsZero) {
    EXPECT_EQ(hexToInt("ff"), 255);
    EXPECT_EQ(hexToInt("#1A"), 26);
    EXPECT_EQ(hexToInt(""), 0);
    EXPECT_EQ(hexToInt("1Z"), 16);
}

} // namespace
} // namespace tarvex::graphics
