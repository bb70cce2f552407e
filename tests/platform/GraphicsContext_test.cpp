#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"

#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

// A context double that does nothing about the drawing layer when it goes away.
class CarelessContext : public GraphicsContext {
public:
    [[nodiscard]] int width() const override { return 64; }
    [[nodiscard]] int height() const override { return 32; }
    void swap(int /*sync*/) override {}
    void makeCurrent() override {}
    void close() override {}
    [[nodiscard]] bool isOpen() const override { return true; }
    [[nodiscard]] bool isOpenGL() const override { return false; }
};

TEST(GraphicsContext, DestroyingTheAttachedContextDetachesIt) {
    auto& layer = drawingLayer();
    {
        const auto context = std::make_shared<CarelessContext>();
        layer.attach(context.get());
        ASSERT_EQ(layer.context(), context.get());
        layer.drawRect(0, 0, 4, 4); // a draw still waiting to be sent
    }
    EXPECT_EQ(layer.context(), nullptr);
    layer.present(0); // nothing to draw into, and nothing freed is touched
    EXPECT_EQ(layer.windowWidth(), 0);
}

TEST(GraphicsContext, DestroyingAnotherContextLeavesTheAttachedOne) {
    auto& layer = drawingLayer();
    const auto attached = std::make_shared<CarelessContext>();
    layer.attach(attached.get());
    std::make_shared<CarelessContext>().reset();
    EXPECT_EQ(layer.context(), attached.get());
    layer.attach(nullptr);
}

} // namespace
} // namespace tarvex::platform
