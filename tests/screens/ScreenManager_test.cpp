#include "ScreenRecorder.hpp"
#include "core/Error.hpp"
#include "screens/ScreenManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::ScreenRecorder;
using Log = std::vector<std::string>;

class ScreenStack : public ::testing::Test {
protected:
    Ref<ScreenRecorder> screen(const std::string& name, bool popup = false) {
        return std::make_shared<ScreenRecorder>(log, name, popup);
    }

    Log log;
    Ref<ScreenManager> stack = ScreenManager::Create();
};

TEST_F(ScreenStack, AddLoadsThenEntersAndSetsTheParent) {
    auto title = screen("title");
    title->setIsExiting(true);
    stack->addScreen(title);
    EXPECT_EQ(log, (Log{"title.loadResources", "title.enter"}));
    EXPECT_EQ(title->getParent(), stack.get());
    EXPECT_FALSE(title->isExiting());
}

TEST_F(ScreenStack, WithoutPopupsEveryScreenUpdatesAndTakesInputTopFirstAndRendersBottomFirst) {
    stack->addScreen(screen("game"));
    stack->addScreen(screen("hud"));
    log.clear();
    stack->update(16);
    stack->render(16);
    EXPECT_EQ(log, (Log{"hud.update(focus=0, covered=0)", "hud.handleInput",
                        "game.update(focus=0, covered=0)", "game.handleInput", "game.render",
                        "hud.render"}));
}

TEST_F(ScreenStack, APopupTakesTheFocusAndCoversTheScreensBelow) {
    auto game = screen("game");
    stack->addScreen(game);
    stack->addScreen(screen("pause", true));
    stack->addScreen(screen("toast"));
    log.clear();
    stack->update(16);
    EXPECT_EQ(log, (Log{"toast.update(focus=0, covered=0)", "toast.handleInput",
                        "pause.update(focus=0, covered=0)", "pause.handleInput",
                        "game.update(focus=1, covered=1)"}));
    EXPECT_TRUE(game->isCovered());
    EXPECT_TRUE(game->hasNoFocus());
}

TEST_F(ScreenStack, DisabledInputAndHiddenScreensAreSkipped) {
    auto game = screen("game");
    game->disableInput();
    game->State = GameScreen::STATE_Hidden;
    stack->addScreen(game);
    log.clear();
    stack->update(16);
    stack->render(16);
    EXPECT_EQ(log, (Log{"game.update(focus=0, covered=0)"}));
}

TEST_F(ScreenStack, AScreenExitingDuringItsInputLeavesAtOnceAndThePassGoesOn) {
    stack->addScreen(screen("game"));
    auto menu = screen("menu");
    menu->exitOnInput = true;
    stack->addScreen(menu);
    log.clear();
    stack->update(16);
    EXPECT_EQ(log, (Log{"menu.update(focus=0, covered=0)", "menu.handleInput", "menu.freeResources",
                        "menu.leave", "game.update(focus=0, covered=0)", "game.handleInput"}));
    EXPECT_EQ(stack->countScreens(), 1U);
}

TEST_F(ScreenStack, AScreenRemovedByAnotherDuringThePassIsNotVisited) {
    auto game = screen("game");
    stack->addScreen(game);
    struct Remover : ScreenRecorder {
        using ScreenRecorder::ScreenRecorder;
        void handleInput() override {
            ScreenRecorder::handleInput();
            getParent()->removeScreen(victim);
            getParent()->addScreen(added);
        }
        Ref<IGameScreen> victim;
        Ref<IGameScreen> added;
    };
    auto remover = std::make_shared<Remover>(log, "remover");
    remover->victim = game;
    remover->added = screen("late");
    stack->addScreen(remover);
    log.clear();
    stack->update(16);
    EXPECT_EQ(log, (Log{"remover.update(focus=0, covered=0)", "remover.handleInput",
                        "game.freeResources", "late.loadResources", "late.enter"}));
}

TEST_F(ScreenStack, PopExitsTheTopScreenAndSwitchPopsThenAdds) {
    stack->addScreen(screen("title"));
    log.clear();
    stack->switchScreen(screen("game"));
    EXPECT_EQ(log, (Log{"title.freeResources", "title.leave", "game.loadResources", "game.enter"}));
    log.clear();
    EXPECT_EQ(stack->popScreen(), nullptr);
    EXPECT_EQ(log, (Log{"game.freeResources", "game.leave"}));
    log.clear();
    stack->popScreen();
    EXPECT_TRUE(log.empty()) << "an empty stack has nothing to pop";
}

TEST_F(ScreenStack, ExitWithATransitionTimeLeavesButStaysOnTheStack) {
    auto fading = screen("fading");
    fading->setTransitionOffTime(500);
    stack->addScreen(fading);
    log.clear();
    fading->exitScreen();
    EXPECT_EQ(log, (Log{"fading.leave"}));
    EXPECT_TRUE(fading->isExiting());
    EXPECT_EQ(stack->countScreens(), 1U);
}

TEST_F(ScreenStack, ClearFreesEveryScreenBottomFirstWithoutLeave) {
    stack->addScreen(screen("a"));
    stack->addScreen(screen("b"));
    log.clear();
    stack->clearScreens();
    EXPECT_EQ(log, (Log{"a.freeResources", "b.freeResources"}));
    EXPECT_TRUE(stack->getScreens().empty());
}

TEST_F(ScreenStack, TraceListsScreensBottomFirstAndLoadContentIsDeprecated) {
    stack->addScreen(screen("a"));
    stack->traceEnabled = 1;
    ::tarvex::testing::DebugLogCapture capture;
    stack->update(16);
    EXPECT_EQ(capture.lines(), (Log{"ScreenManager.TraceScreens {", "    GameScreen", "}"}));
    try {
        stack->loadContent();
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "ScreenManager.loadContent -- Method is deprecated");
    }
}

} // namespace
} // namespace tarvex
