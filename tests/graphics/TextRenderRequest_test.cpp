#include "graphics/TextRenderRequest.hpp"
#include "platform/BuiltinFiles.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

class TextWrap : public ::testing::Test {
protected:
    void SetUp() override {
        platform::registerBuiltinFiles();
        _font = platform::ImageFont::load("incbin::small-font.ttf", 10, 0);
        ASSERT_NE(_font, nullptr) << "the compiled-in font must load";
        _text = std::make_shared<TextRenderRequest>();
        _text->setFont(_font).setWrap(true);
    }

    [[nodiscard]] float width(const std::string& text) const {
        return static_cast<float>(_font->textWidth(text));
    }

    Ref<platform::ImageFont> _font;
    Ref<TextRenderRequest> _text;
};

TEST_F(TextWrap, BreaksWhereLinePlusSpacePlusWordWouldPassTheWidth) {
    // The test measures the line (ending in a space) plus one more space and the word.
    _text->setWidth(width("aaa  aaa"));
    _text->setText("aaa aaa aaa");
    EXPECT_EQ(_text->getText(), "aaa aaa \naaa")
        << "the last word is measured too and does not overflow the box";
    _text->setWidth(width("aaa  aaa") - 1);
    _text->setText("aaa aaa aaa");
    EXPECT_EQ(_text->getText(), "aaa \naaa \naaa");
}

TEST_F(TextWrap, ExplicitBreaksStayAndControlCharactersAreDropped) {
    _text->setWidth(1000);
    _text->setText("one\ttwo\nthree four");
    EXPECT_EQ(_text->getText(), "onetwo\nthree four");
}

TEST_F(TextWrap, AWordWiderThanTheBoxGetsItsOwnLineWithoutABlankOneBefore) {
    _text->setWidth(width("ab"));
    _text->setText("abcdefgh ij");
    EXPECT_EQ(_text->getText(), "abcdefgh \nij");
}

TEST_F(TextWrap, TurningWrapOnLaterDoesNotRewrapTheStoredText) {
    auto text = std::make_shared<TextRenderRequest>();
    text->setFont(_font).setWidth(width("aaa"));
    text->setText("aaa bbb ccc");
    text->setWrap(true);
    EXPECT_EQ(text->getText(), "aaa bbb ccc");
}

TEST(TextRenderRequest, StyleIsCopiedButAnUnsetFontOrWidthIsNot) {
    auto text = TextRenderRequest::Create("hi", 4, 5, nullptr);
    text->setWidth(80);
    auto font = std::make_shared<platform::ImageFont>();
    text->setFont(font);
    TextRenderStyle style;
    style.setAlignment(TextRenderRequest::ALIGN_RIGHT)
        .setFontColor(1, 2, 3)
        .setShadowColor(0, 0, 0)
        .setShadowDistance(2, 3)
        .ignoreCamera(true);
    text->setStyle(style);
    EXPECT_EQ(text->getAlignment(), TextRenderRequest::ALIGN_RIGHT);
    EXPECT_EQ(text->getFontColor(), 0x010203);
    EXPECT_EQ(text->getShadowColor(), 0) << "black is a shadow colour, not 'no shadow'";
    EXPECT_TRUE(text->isIgnoringCamera());
    EXPECT_EQ(text->getFont(), font);
    EXPECT_EQ(text->getWidth(), 80);
    style.setWidth(120);
    text->setStyle(style);
    EXPECT_EQ(text->getWidth(), 120);
    EXPECT_EQ(text->getShadowColor(), 0);
    EXPECT_EQ(TextRenderRequest().getShadowColor(), TextRenderRequest::NO_SHADOW);
}

} // namespace
} // namespace tarvex::graphics
