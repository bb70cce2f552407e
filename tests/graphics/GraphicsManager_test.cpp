#include "core/Error.hpp"
#include "core/TypeRegistry.hpp"
#include "graphics/GraphicsManager.hpp"
#include "graphics/GraphicsTypes.hpp"
#include "graphics/TarvexGfx.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"
#include "platform/LoopPlatform.hpp"
#include "support/TestGraphics.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex::graphics {
namespace {

using testing::FakeGraphicsDriver;

// Runs the set-up against a driver that opens no window (driver type 0 keeps it installed).
class GraphicsSetUp : public ::testing::Test {
protected:
    void SetUp() override {
        _driver = std::make_shared<FakeGraphicsDriver>();
        platform::setGraphicsDriver(_driver);
        VirtualScreenResolution::getInstance()->setEnabled(true);
    }
    void TearDown() override {
        VirtualScreenResolution::getInstance()->setEnabled(true);
        GraphicsManager::getInstance()->EndGraphics();
        platform::setGraphicsDriver(nullptr);
    }

    std::shared_ptr<FakeGraphicsDriver> _driver;
};

TEST_F(GraphicsSetUp, InitGraphicsOpensTheVirtualSizeTimesTheScale) {
    TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1, 0);
    EXPECT_EQ(_driver->last.width, 448);
    EXPECT_EQ(_driver->last.height, 576);
    EXPECT_EQ(_driver->last.depth, 0) << "a window, not full screen";
    EXPECT_EQ(_driver->last.refreshRate, 60);
    EXPECT_EQ(_driver->last.flags, platform::CONTEXT_BACKBUFFER | platform::CONTEXT_ALPHA);
    EXPECT_EQ(TarvexGfx::getGraphicsWidth(), 224);
    EXPECT_EQ(TarvexGfx::getGraphicsHeight(), 288);
    EXPECT_FLOAT_EQ(platform::drawingLayer().virtualWidth(), 224.0f);
    EXPECT_EQ(platform::drawingLayer().viewport(), (platform::Viewport{0, 0, 224, 288}));
    EXPECT_TRUE(GraphicsManager::getInstance()->getDriver());
}

TEST_F(GraphicsSetUp, FractionalWindowSizesAreTruncated) {
    TarvexGfx::initGraphics(224, 100, 1.5f, 60, true, 32, 1, 0);
    EXPECT_EQ(_driver->last.width, 336);
    EXPECT_EQ(_driver->last.height, 150);
    TarvexGfx::initGraphics(225, 101, 1.5f, 60, true, 32, 1, 0);
    EXPECT_EQ(_driver->last.width, 337);
    EXPECT_EQ(_driver->last.height, 151);
}

TEST_F(GraphicsSetUp, FullScreenPassesTheColourDepth) {
    TarvexGfx::initGraphics(320, 240, 1.0f, 75, false, 16, 0, 0);
    EXPECT_EQ(_driver->last.depth, 16);
    EXPECT_EQ(_driver->last.refreshRate, 75);
}

TEST_F(GraphicsSetUp, FailingToOpenRaisesTheSetUpError) {
    _driver->fail = true;
    try {
        TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1, 0);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Could not make the graphics");
    }
    EXPECT_FALSE(GraphicsManager::getInstance()->getDriver());
}

TEST_F(GraphicsSetUp, StartingAgainClosesTheOpenWindowFirst) {
    auto manager = GraphicsManager::getInstance();
    manager->setWidth(100).setHeight(80).setIsWindowed(true).setDriverType(0);
    manager->startGraphics();
    const auto first = manager->getDriver();
    manager->startGraphics();
    EXPECT_FALSE(first->isOpen());
    EXPECT_TRUE(manager->getDriver()->isOpen());
    EXPECT_EQ(_driver->opened, 2);
    EXPECT_EQ(platform::drawingLayer().context(), manager->getDriver().get());
    manager->EndGraphics();
    EXPECT_FALSE(manager->getDriver());
    EXPECT_EQ(platform::drawingLayer().context(), nullptr);
    manager->EndGraphics(); // closing twice is harmless
}

TEST_F(GraphicsSetUp, ApplicationShutdownClosesTheOpenWindow) {
    auto manager = GraphicsManager::getInstance();
    manager->setWidth(100).setHeight(80).setIsWindowed(true).setDriverType(0);
    manager->startGraphics();
    const auto window = manager->getDriver();
    platform::loopPlatform().closeGraphics(); // what the application's shutdown() does
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(platform::drawingLayer().context(), nullptr);
    manager->EndGraphics();
}

TEST_F(GraphicsSetUp, MousePositionIsScaledToUnitsWhileEnabled) {
    TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1, 0);
    platform::mouse().moveTo(100, 200);
    const auto resolution = VirtualScreenResolution::getInstance();
    EXPECT_FLOAT_EQ(resolution->getMouseX(), 50.0f);
    EXPECT_FLOAT_EQ(resolution->getMouseY(), 100.0f);
    resolution->setEnabled(false);
    EXPECT_FLOAT_EQ(resolution->getMouseX(), 100.0f);
    EXPECT_FLOAT_EQ(resolution->getMouseY(), 200.0f);
    resolution->start();
    EXPECT_EQ(platform::drawingLayer().viewport(), (platform::Viewport{0, 0, 448, 576}))
        << "disabled: the viewport is the window";
}

TEST(GraphicsManager, ASecondInstanceCannotBeConstructed) {
    (void)GraphicsManager::getInstance();
    try {
        auto second = std::make_shared<GraphicsManager>();
        FAIL() << "a second manager was made";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create more than one instance of GraphicsManager");
    }
}

TEST(GraphicsManager, StartsWithBackBufferAndAlphaAndFluentSettersStore) {
    auto manager = GraphicsManager::getInstance();
    EXPECT_EQ(manager->getFlags(), 6);
    GraphicsManager& same = manager->setWidth(1)
                                .setHeight(2)
                                .setDepth(3)
                                .setRefreshRate(4)
                                .setIsWindowed(true)
                                .setWaitVBlank(true)
                                .setDriverType(5);
    EXPECT_EQ(&same, manager.get());
    EXPECT_EQ(manager->getWidth(), 1);
    EXPECT_EQ(manager->getHeight(), 2);
    EXPECT_EQ(manager->getDepth(), 3);
    EXPECT_EQ(manager->getRefreshRate(), 4);
    EXPECT_TRUE(manager->isWindowed());
    EXPECT_EQ(manager->getDriverType(), 5);
}

TEST(GraphicsManager, TypeRecordsListOwnFieldsInDeclarationOrder) {
    registerGraphicsTypes();
    const Type* type = TypeRegistry::instance().findByName("GraphicsManager");
    ASSERT_NE(type, nullptr);
    std::vector<std::string> names;
    for (const auto& field : type->getOwnFields()) {
        names.push_back(field.getName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"_driver", "_resolution", "_depth", "_width",
                                               "_height", "_refreshRate", "_flags", "_waitVBlank",
                                               "_isWindowed", "_driverType"}));
    const Type* state = TypeRegistry::instance().findByName("RenderState");
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->getOwnFields().size(), 23u);
    EXPECT_EQ(state->getOwnFields()[18].getName(), "_font");
}

TEST(TarvexGfx, ColoursAsOneInteger) {
    EXPECT_EQ(TarvexGfx::rgbToInt(255, 0, 255), 255 * 65536 + 255);
    EXPECT_EQ(TarvexGfx::rgbToInt(255, 255, 255), 16777215);
    TarvexGfx::setColorInt(18 * 65536 + 52 * 256 + 86);
    EXPECT_EQ(platform::drawingLayer().color(), (platform::Rgb{18, 52, 86}));
    TarvexGfx::setColorInt(-1);
    EXPECT_EQ(platform::drawingLayer().color(), (platform::Rgb{255, 255, 255}))
        << "bits above 23 are ignored";
}

TEST(TarvexGfx, TheGameWindowShowsTwoPixelsPerUnit) {
    if (!platform::displayAvailable()) {
        GTEST_SKIP() << "no display to open an OpenGL window on (run under xvfb-run)";
    }
    platform::setGraphicsDriver(nullptr);
    TarvexGfx::initGraphics(224, 288, 2.0f, 60, true, 32, 1, GraphicsManager::DRIVER_TYPE_OPENGL);
    auto& gfx = platform::drawingLayer();
    ASSERT_EQ(gfx.windowWidth(), 448);
    ASSERT_EQ(gfx.windowHeight(), 576);
    gfx.setClsColor(0, 0, 0);
    gfx.cls();
    gfx.setBlend(platform::BLEND_SOLID);
    gfx.setColor(255, 255, 255);
    gfx.drawRect(223, 287, 1, 1);
    const auto shot = gfx.readPixels(444, 572, 4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool lit = x >= 2 && y >= 2;
            EXPECT_EQ(shot.pixel(x, y) & 0xffffffu, lit ? 0xffffffu : 0u) << x << "," << y;
        }
    }
    GraphicsManager::getInstance()->EndGraphics();
}

} // namespace
} // namespace tarvex::graphics
