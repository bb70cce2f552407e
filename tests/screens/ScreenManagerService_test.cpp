#include "ScreenRecorder.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "screens/ScreenManagerService.hpp"
#include "screens/ScreenTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::ScreenRecorder;
using Log = std::vector<std::string>;

// Declares two services: the rendering service (present) and the effects service (absent).
class ServedScreen : public ScreenRecorder {
    TARVEX_OBJECT(ServedScreen, ScreenRecorder)
public:
    using ScreenRecorder::ScreenRecorder;
    void loadResources() override {
        ScreenRecorder::loadResources();
        injectedBeforeLoad = _renderService != nullptr;
    }
    Ref<graphics::SpriteRenderingService> _renderService;
    Ref<graphics::ScreenEffectsService> _effects;
    bool injectedBeforeLoad = false;
};

} // namespace

const Type& ServedScreen::staticType() {
    static const Type& type =
        TypeBuilder<ServedScreen>("ServedScreen")
            .field("_renderService", &ServedScreen::_renderService, {{"injectable", "1"}})
            .field("_effects", &ServedScreen::_effects, {{"injectable", "1"}})
            .build();
    return type;
}

namespace {

// Inherits its base's injectable fields.
class DerivedServedScreen : public ServedScreen {
    TARVEX_OBJECT(DerivedServedScreen, ServedScreen)
public:
    using ServedScreen::ServedScreen;
};

} // namespace

const Type& DerivedServedScreen::staticType() {
    static const Type& type = TypeBuilder<DerivedServedScreen>("DerivedServedScreen").build();
    return type;
}

namespace {

// Counts its renders, so a test can see whether a screen's group is drawn.
class Marker : public graphics::AbstractRenderRequest {
public:
    [[nodiscard]] float getX() const override { return 0; }
    [[nodiscard]] float getY() const override { return 0; }
    void update(float) override {}
    void render(double, const graphics::AbstractRenderCamera*, std::int32_t) override { ++renders; }
    int renders = 0;
};

class ScreenService : public ::testing::Test {
protected:
    void SetUp() override {
        registerScreenTypes();
        kernel->addService(nullptr, screens);
        kernel->addService(nullptr, renderer);
        kernel->start();
    }
    void TearDown() override { kernel->stop(); }

    Ref<ScreenRecorder> screen(const std::string& name) {
        return std::make_shared<ScreenRecorder>(log, name);
    }
    // Three screens a, b, c, bottom to top; the log starts empty.
    std::vector<Ref<ScreenRecorder>> stackOfThree() {
        std::vector<Ref<ScreenRecorder>> all{screen("a"), screen("b"), screen("c")};
        for (const auto& s : all) {
            screens->addScreen(s, 1);
        }
        log.clear();
        return all;
    }

    Log log;
    Ref<GameKernel> kernel = std::make_shared<GameKernel>();
    Ref<ScreenManagerService> screens = ScreenManagerService::Create();
    Ref<graphics::SpriteRenderingService> renderer =
        std::make_shared<graphics::SpriteRenderingService>();
};

TEST_F(ScreenService, AddInjectsRegistersTheGroupLoadsEntersThenCallsAfterAdd) {
    auto served = std::make_shared<DerivedServedScreen>(log, "served");
    screens->addScreen(served, 0);
    EXPECT_EQ(log, (Log{"served.loadResources", "served.enter", "served.afterAdd"}));
    EXPECT_TRUE(served->injectedBeforeLoad);
    EXPECT_EQ(served->_renderService, renderer) << "inherited field injected";
    EXPECT_EQ(served->_effects, nullptr) << "no such service: null, still added";
    EXPECT_EQ(served->getRenderer(), renderer);
    ASSERT_EQ(renderer->getRenderQueue().getRequests().getSize(), 1);
    EXPECT_EQ(renderer->getRenderQueue().getRequests().get(0), served->getRenderGroup());
    EXPECT_EQ(served->getRenderGroup()->getIndentifier(), "");
}

TEST_F(ScreenService, AGroupIsDrawnWhileItsScreenIsOnTheStackOnly) {
    auto game = screen("game");
    auto marker = std::make_shared<Marker>();
    game->add(marker, "marker");
    screens->addScreen(game, 1);
    kernel->render(16);
    EXPECT_EQ(marker->renders, 1);
    screens->popScreen();
    kernel->render(16);
    EXPECT_EQ(marker->renders, 1);
    EXPECT_EQ(game->getRenderGroup()->countItems(), 0) << "removal empties the group";
}

TEST_F(ScreenService, UpdateAndRenderPassWholeMilliseconds) {
    auto game = screen("game");
    screens->addScreen(game, 1);
    screens->update(16.9F);
    EXPECT_EQ(game->lastDelta, 16.0F);
}

TEST_F(ScreenService, SwitchRemovesTheTopWithoutLeaveAndAddsTheNewScreen) {
    auto all = stackOfThree();
    auto next = screen("next");
    screens->switchScreen(next);
    EXPECT_EQ(log, (Log{"c.freeResources", "next.loadResources", "next.enter", "next.afterAdd"}));
    EXPECT_EQ(renderer->getRenderQueue().getRequests().findObject(all[2]->getRenderGroup()), -1);
    EXPECT_EQ(screens->getScreens().back(), next);
}

TEST_F(ScreenService, PopRemovesWithoutLeaveAndPopAndLeaveLeavesFirst) {
    stackOfThree();
    screens->popScreen();
    EXPECT_EQ(log, (Log{"c.freeResources"}));
    log.clear();
    screens->popScreenAndLeave();
    EXPECT_EQ(log, (Log{"b.leave", "b.freeResources"}));
    log.clear();
    screens->removeScreen(screens->getScreens().front());
    EXPECT_EQ(log, (Log{"a.freeResources"}));
    log.clear();
    screens->popScreen();
    screens->popScreenAndLeave();
    EXPECT_TRUE(log.empty()) << "nothing to pop";
}

TEST_F(ScreenService, LeaveAllLeavesAndRemovesBottomFirst) {
    stackOfThree();
    screens->leaveAllScreens();
    EXPECT_EQ(log, (Log{"a.leave", "a.freeResources", "b.leave", "b.freeResources", "c.leave",
                        "c.freeResources"}));
    EXPECT_TRUE(screens->getScreens().empty());
    EXPECT_EQ(renderer->getRenderQueue().getRequests().getSize(), 0);
}

TEST_F(ScreenService, ExitScreenRemovesFreesUnregistersThenLeaves) {
    auto all = stackOfThree();
    all[1]->exitScreen();
    EXPECT_EQ(log, (Log{"b.freeResources", "b.leave"}));
    EXPECT_EQ(renderer->getRenderQueue().getRequests().findObject(all[1]->getRenderGroup()), -1);
    EXPECT_EQ(screens->getScreens(), (std::vector<Ref<IGameScreen>>{all[0], all[2]}));
    // The others keep their drawing order.
    EXPECT_EQ(renderer->getRenderQueue().getRequests().get(1), all[2]->getRenderGroup());
}

TEST_F(ScreenService, ScreensPushedOnTheBareStackAreNotRegistered) {
    auto all = stackOfThree();
    auto pushed = screen("pushed");
    all[2]->pushScreen(pushed);
    EXPECT_EQ(log, (Log{"pushed.loadResources", "pushed.enter"}));
    EXPECT_EQ(pushed->getRenderer(), nullptr);
    EXPECT_EQ(renderer->getRenderQueue().getRequests().getSize(), 3);
}

TEST(ScreenServiceWithoutRenderer, ScreensAreStillAddedAndUpdated) {
    registerScreenTypes();
    Log log;
    auto kernel = std::make_shared<GameKernel>();
    auto screens = ScreenManagerService::Create();
    kernel->addService(nullptr, screens);
    auto game = std::make_shared<ScreenRecorder>(log, "game");
    screens->addScreen(game, 1);
    kernel->start();
    kernel->update(16);
    kernel->stop();
    EXPECT_EQ(game->getRenderer(), nullptr);
    EXPECT_EQ(log, (Log{"game.loadResources", "game.enter", "game.afterAdd",
                        "game.update(focus=0, covered=0)", "game.handleInput"}));
}

TEST(ScreenManagerServiceType, DeclaresUpdateAndRenderAndAnInjectedKernelInformation) {
    EXPECT_EQ(ScreenManagerService::staticType().getMetadata("implements"), "update, render");
}

} // namespace
} // namespace tarvex
