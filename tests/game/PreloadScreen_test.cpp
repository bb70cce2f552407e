#include "GameFlowFixture.hpp"
#include "game/GameTypes.hpp"
#include "game/screens/PreloadScreen.hpp"
#include "game/screens/TitleScreen.hpp"
#include "kernel/DependencyInjector.hpp"

namespace tarvex::game {
namespace {

using PreloadScreenTest = testing::GameFlowTest;

TEST_F(PreloadScreenTest, LoadingHandsOverToTheTitleWithEveryFileRead) {
    auto loading = runner->findScreen<PreloadScreen>();
    ASSERT_NE(loading, nullptr);
    EXPECT_EQ(runner->screenNames(), (std::vector<std::string>{"PreloadScreen"}));
    EXPECT_FALSE(loading->getLabel()->isVisible()) << "only the bar is shown";
    ASSERT_TRUE(runner->runUntilTitle());
    EXPECT_EQ(runner->frames(), 1) << "the same number of frames however long reading takes";
    EXPECT_EQ(runner->screenNames(), (std::vector<std::string>{"TitleScreen"}));
    EXPECT_FLOAT_EQ(loading->getProgress(), 1.0F);
    EXPECT_FLOAT_EQ(loading->getBar()->getPercentage(), 1.0F);
    EXPECT_EQ(loading->getLabel()->getText(), "Loading complete");
    const auto& files = runner->game().getResourceService()->getLoadedFiles();
    const auto data = dataDirectory().string();
    ASSERT_GE(files.size(), 7U);
    EXPECT_EQ(files.front(), data + "/audio/resources.brix");
    EXPECT_EQ(files[6], data + "/ui/resources.brix");
    EXPECT_NE(runner->game().getResourceService()->getManager()->_getResource(
                  "depthrun.levels.level_2_1"),
              nullptr);
}

TEST(PreloadScreen, FileAlreadyReadIsNotReadAgainButTheBarStillMoves) {
    registerGameTypes();
    auto resources = std::make_shared<ResourceService>();
    auto screen = std::make_shared<PreloadScreen>();
    DependencyInjector::addInjectableFields(*screen);
    DependencyInjector::inject(*screen, ResourceService::staticType(), resources);
    setGameDataDirectory(testing::GameFlowTest::dataDirectory().string());
    screen->loadResourceFile("levels", PreloadScreen::FILE_STEP, "");
    screen->loadResourceFile("levels", PreloadScreen::FILE_STEP, "");
    setGameDataDirectory("");
    EXPECT_EQ(resources->getLoadedFiles().size(), 1U);
    screen->update(16, false, false); // takes over what was published
    EXPECT_FLOAT_EQ(screen->getProgress(), 0.28F);
}

} // namespace
} // namespace tarvex::game
