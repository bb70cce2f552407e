// File resources hand out a new stream on every request.
#include "ResourceTestSupport.hpp"
#include "resources/FileResource.hpp"
#include "resources/ResourceManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(FileResource, EveryGetOpensANewStreamOnTheFile) {
    testing::registerResourceTestTypes();
    testing::memoryText("file/notes.txt", "hello");
    const auto definitions = testing::memoryText("file/resources.brix", R"([resources] {
        namespace = f;
        [t:resource, n:notes] { type = file; file = notes.txt; }
        [t:resource, n:gone] { type = file; file = gone.txt; } })");
    ResourceManager manager;
    manager.loadResources(definitions, false);

    const auto notes = manager.getResource("f.notes", false);
    const auto first = std::dynamic_pointer_cast<platform::Stream>(notes->get());
    const auto second = std::dynamic_pointer_cast<platform::Stream>(notes->get());
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    char text[8] = {};
    EXPECT_EQ(first->read(text, sizeof text), 5u);
    EXPECT_STREQ(text, "hello");
    EXPECT_EQ(second->position(), 0);

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(manager.getResource("f.gone", false)->get());
    EXPECT_FALSE(manager.getResource("f.gone", false)->get());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Could not load resource \"f.gone\" from file: memory::file/gone.txt\n");
}

} // namespace
} // namespace tarvex
