// The real game run in-process for screen-flow tests: a virtual clock, a window-less graphics
// context, silent audio, a fixed seed, and a copy of the shipped resource_db whose levels are
// shortened (a few seconds each, five levels across two level numbers) so that whole games
// fit in a few thousand frames.
#pragma once

#include "game/app/GameData.hpp"
#include "game/app/GameRunner.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "support/TestGraphics.hpp"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace tarvex::game::testing {

class GameFlowTest : public ::testing::Test {
public:
    // The shortened copy of resource_db (made once per test run).
    static std::filesystem::path dataDirectory();

protected:
    GameFlowTest();
    ~GameFlowTest() override;
    GameFlowTest(const GameFlowTest&) = delete;
    GameFlowTest& operator=(const GameFlowTest&) = delete;

    // A fresh game with the same seed and data.
    void restart();
    // From the title screen: Space, then frames until the first level is being played.
    void startGame();
    [[nodiscard]] Ref<GameplayScreen> gameplay() const;
    // Frames until the gameplay screen is in that state (at most `limit`).
    bool runUntilState(std::uint8_t state, std::int64_t limit = 600);
    // The current level counts as won from the next frame.
    void winLevel() const;

    std::shared_ptr<::tarvex::testing::FakeGraphicsDriver> graphicsDriver;
    std::unique_ptr<GameRunner> runner;
};

} // namespace tarvex::game::testing
