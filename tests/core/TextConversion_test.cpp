#include "core/TextConversion.hpp"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tarvex {
namespace {

TEST(TextConversion, IntegersReadDecimalHexAndBinaryPrefixes) {
    EXPECT_EQ(toInt("42"), 42);
    EXPECT_EQ(toInt("  -17abc"), -17);
    EXPECT_EQ(toInt("+8"), 8);
    EXPECT_EQ(toInt("$ff"), 255);
    EXPECT_EQ(toInt("-$10"), -16);
    EXPECT_EQ(toInt("%101"), 5);
    EXPECT_EQ(toInt("%102"), 2);
}

TEST(TextConversion, TextWithoutDigitsIsZero) {
    EXPECT_EQ(toInt(""), 0);
    EXPECT_EQ(toInt("abc"), 0);
    EXPECT_EQ(toInt("-"), 0);
    EXPECT_EQ(toFloat(""), 0.0F);
    EXPECT_EQ(toFloat("x1"), 0.0F);
    EXPECT_EQ(toFloat("inf"), 0.0F);
    EXPECT_EQ(toFloat("nan"), 0.0F);
}

TEST(TextConversion, OverlongIntegersWrapInsteadOfOverflowing) {
    EXPECT_EQ(toInt("4294967297"), 1);
    EXPECT_NO_THROW((void)toLong("99999999999999999999999999999"));
}

TEST(TextConversion, FloatsReadFractionAndExponentAndStopAtJunk) {
    EXPECT_FLOAT_EQ(toFloat("1.5"), 1.5F);
    EXPECT_FLOAT_EQ(toFloat("  -2.25e1x"), -22.5F);
    EXPECT_FLOAT_EQ(toFloat("+.5"), 0.5F);
    EXPECT_FLOAT_EQ(toFloat("3e"), 3.0F);
    EXPECT_FLOAT_EQ(toFloat("7."), 7.0F);
}

TEST(TextConversion, FloatsRoundOnceToTheNearestFloat) {
    // Through a double these round twice and land one float away (or on zero, or infinity).
    EXPECT_EQ(toFloat("16777217.0000000001"), 16777218.0F);
    EXPECT_EQ(toFloat("3.4028235677973366e38"), FLT_MAX);
    EXPECT_EQ(toFloat("7.006492321624086e-46"), std::nextafter(0.0F, 1.0F));
    EXPECT_EQ(toFloat("-7.006492321624086e-46"), -std::nextafter(0.0F, 1.0F));
    EXPECT_EQ(toFloat("1e-50"), 0.0F);
    EXPECT_EQ(toFloat("1e39"), HUGE_VALF);
    EXPECT_EQ(toDouble("1e400"), HUGE_VAL);
}

TEST(TextConversion, SignOrPointWithoutDigitsIsPlainZero) {
    for (const char* text : {"-.", "-", "+", ".", "-.e5", "-e5", " - 1"}) {
        EXPECT_EQ(toFloat(text), 0.0F) << text;
        EXPECT_FALSE(std::signbit(toFloat(text))) << text << " gave minus zero";
        EXPECT_FALSE(std::signbit(toDouble(text))) << text << " gave minus zero";
    }
    EXPECT_EQ(toFloat("0x10"), 0.0F) << "no hexadecimal floats";
    EXPECT_EQ(toFloat("-.5"), -0.5F);
}

TEST(TextConversion, FloatsTooLargeBecomeInfinityAndTooSmallBecomeZero) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(toDouble("1e999"), inf);
    EXPECT_EQ(toDouble("-1e999x"), -inf);
    EXPECT_EQ(toFloat("1e999"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toDouble("1e-999"), 0.0);
}

} // namespace
} // namespace tarvex
