// Every picture the game ships decodes with the program's own image loader into the cells its
// definition declares. The list of pictures and their cells comes from the content check.
#include "platform/Image.hpp"
#include "support/SourceDir.hpp"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tarvex {
namespace {

struct DeclaredImage {
    std::string identifier;
    std::string path;
    std::string type;
    int cellWidth = 0;
    int cellHeight = 0;
    int frames = 0;
};

std::vector<DeclaredImage> declaredImages(std::string& error) {
    const std::string source = tarvex::testing::sourceDir();
    const std::string command = std::string("/usr/bin/python3 '") + source +
                                "/tools/check-resource-db' --list-images '" + source + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe) {
        error = "cannot run " + command;
        return {};
    }
    std::vector<DeclaredImage> images;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
        std::istringstream line(buffer);
        DeclaredImage image;
        std::getline(line, image.identifier, '\t');
        std::getline(line, image.path, '\t');
        std::getline(line, image.type, '\t');
        line >> image.cellWidth >> image.cellHeight >> image.frames;
        if (line) {
            images.push_back(image);
        }
    }
    return images;
}

TEST(ResourceDbImages, EveryPictureDecodesIntoItsDeclaredCells) {
    std::string error;
    const auto images = declaredImages(error);
    ASSERT_TRUE(error.empty()) << error;
    ASSERT_GE(images.size(), 20U) << "the content check listed too few pictures";
    for (const auto& declared : images) {
        SCOPED_TRACE(declared.identifier + " (" + declared.path + ")");
        const auto image =
            platform::Image::load(declared.path, declared.cellWidth, declared.cellHeight, 0,
                                  declared.frames, platform::IMAGE_MASKED, {255, 0, 255});
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width(), declared.cellWidth);
        EXPECT_EQ(image->height(), declared.cellHeight);
        EXPECT_EQ(image->frameCount(), declared.frames);
    }
}

} // namespace
} // namespace tarvex
