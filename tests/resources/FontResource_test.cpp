// Font resources: size and style keys, and rasterising the compiled-in font.
#include "ResourceTestSupport.hpp"
#include "platform/BuiltinFiles.hpp"
#include "resources/FontResource.hpp"
#include "resources/ResourceDefinition.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

Ref<FontResource> font(const std::map<std::string, std::string>& settings,
                       const std::string& type = "font") {
    testing::registerResourceTestTypes();
    platform::registerBuiltinFiles();
    auto definition =
        std::make_shared<ResourceDefinition>("f", "ui", "incbin::small-font.ttf", type);
    for (const auto& [key, value] : settings) {
        definition->addField(key, value);
    }
    auto resource = std::make_shared<FontResource>();
    resource->init(definition);
    return resource;
}

TEST(FontResource, SizeDefaultsToSixteenAndStylesAreComparedExactly) {
    EXPECT_EQ(font({})->getSize(), 16);
    EXPECT_EQ(font({})->getStyle(), 0);
    EXPECT_EQ(font({{"size", "10"}})->getSize(), 10);
    EXPECT_EQ(font({{"weight", "bold"}})->getStyle(), FontResource::FONT_BOLD);
    EXPECT_EQ(font({{"weight", "Bold"}})->getStyle(), 0);
    EXPECT_EQ(font({{"style", "italic"}, {"smoothing", "on"}})->getStyle(),
              FontResource::FONT_ITALIC | FontResource::FONT_SMOOTHING);
    EXPECT_EQ(font({{"smoothing", "ON"}})->getStyle(), 0);
}

TEST(FontResource, RasterisesTheFileAtTheGivenSize) {
    const auto small = font({{"size", "10"}});
    const auto image = small->getFont();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelSize(), 10);
    EXPECT_EQ(small->get(), image);
    EXPECT_EQ(font({})->getFont()->pixelSize(), 16);
    const auto styled = font({{"weight", "bold"}, {"style", "italic"}})->getFont();
    ASSERT_TRUE(styled);
    EXPECT_EQ(styled->style(), platform::FONT_BOLD | platform::FONT_ITALIC);
}

TEST(FontResource, OtherTypesAndUnreadableFilesGiveNoFont) {
    EXPECT_FALSE(font({}, "fontish")->getFont());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(font({{"size", "0"}})->getFont());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("incbin::small-font.ttf"),
              std::string::npos);
}

} // namespace
} // namespace tarvex
