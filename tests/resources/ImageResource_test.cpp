// Images and image strips: cells, first cell, count, handles, and missing files.
#include "ResourceTestSupport.hpp"
#include "resources/ImageResource.hpp"
#include "resources/ResourceManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::cellColour;

class ImageResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerResourceTestTypes();
        // 4 x 2 cells of 16 x 8 pixels.
        testing::memoryPng("img/cells.png", 16, 8, 4, 2);
    }

    Ref<ImageResource> load(const std::string& body) {
        const auto file = testing::memoryText(
            "img/resources.brix",
            "[resources] { namespace = img; [t:resource, n:it] {" + body + "} }");
        manager = std::make_shared<ResourceManager>();
        manager->loadResources(file, true);
        return std::dynamic_pointer_cast<ImageResource>(manager->getResource("img.it", true));
    }

    Ref<ResourceManager> manager;
};

TEST_F(ImageResourceTest, PlainImageIsTheWholePicture) {
    const auto resource = load("type = image; file = cells.png;");
    ASSERT_TRUE(resource);
    const auto image = resource->getImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 64);
    EXPECT_EQ(image->height(), 16);
    EXPECT_EQ(image->frameCount(), 1);
    EXPECT_EQ(resource->get(), image);
}

TEST_F(ImageResourceTest, StripWithoutOffsetStartsAtTheFirstCell) {
    const auto image =
        load("type = imagestrip; file = cells.png; width = 16; height = 8; frames = 4;")
            ->getImage();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 16);
    EXPECT_EQ(image->height(), 8);
    ASSERT_EQ(image->frameCount(), 4);
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(image->framePixels(frame).pixel(0, 0), cellColour(frame)) << frame;
    }
}

TEST_F(ImageResourceTest, StripOffsetAndCountPickCellsAcrossRows) {
    const auto image =
        load("type = imagestrip; file = cells.png; width = 16; height = 8; offset = 3; frames = 3;")
            ->getImage();
    ASSERT_TRUE(image);
    ASSERT_EQ(image->frameCount(), 3);
    EXPECT_EQ(image->framePixels(0).pixel(5, 5), cellColour(3));
    EXPECT_EQ(image->framePixels(1).pixel(5, 5), cellColour(4)); // first cell of the second row
    EXPECT_EQ(image->framePixels(2).pixel(5, 5), cellColour(5));
}

TEST_F(ImageResourceTest, HandleKeysSetTheHandleOnlyWhenNotBothZero) {
    const auto handled = load("type = image; file = cells.png; x_handle = 8; y_handle = 4.5;");
    EXPECT_FLOAT_EQ(handled->getXOffset(), 8);
    EXPECT_FLOAT_EQ(handled->getYOffset(), 4.5f);
    const auto image = handled->getImage();
    ASSERT_TRUE(image);
    EXPECT_FLOAT_EQ(image->handleX(), 8);
    EXPECT_FLOAT_EQ(image->handleY(), 4.5f);

    const auto plain = load("type = image; file = cells.png; x_handle = 0; y_handle = 0;");
    ASSERT_TRUE(plain->getImage());
    EXPECT_FLOAT_EQ(plain->getImage()->handleX(), 0);
    EXPECT_FLOAT_EQ(plain->getImage()->handleY(), 0);
}

TEST_F(ImageResourceTest, StripWithoutCellSizeOrMissingFileIsNullAndSaysSoOnce) {
    testing::DebugLogCapture log;
    ::testing::internal::CaptureStderr();
    const auto sizeless = load("type = imagestrip; file = cells.png; frames = 4;");
    EXPECT_FALSE(sizeless->getImage());
    EXPECT_FALSE(sizeless->getImage());
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(log.contains("Failed to load imagestrip \"img.it\"")) << log.lines().size();
    EXPECT_EQ(errors, "Could not load resource \"img.it\" from file: memory::img/cells.png\n");

    ::testing::internal::CaptureStderr();
    const auto missing = load("type = image; file = nowhere.png;");
    EXPECT_FALSE(missing->getImage());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("memory::img/nowhere.png"),
              std::string::npos);
}

TEST_F(ImageResourceTest, FreeDropsTheImageAndReloadReadsItAgain) {
    const auto resource = load("type = image; file = cells.png;");
    ASSERT_TRUE(resource->getImage());
    resource->free(); // the one lazy get's reference
    EXPECT_FALSE(resource->get());
    resource->reload();
    EXPECT_TRUE(resource->get());
}

} // namespace
} // namespace tarvex
