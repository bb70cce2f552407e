// The real game played from a script: a fixed random seed, a virtual clock (frames of
// 1000/60 ms), keys fed frame by frame through the platform's input path, pictures of chosen
// frames, and a report of the game's state at the end. `depthrun-play` is a thin program
// around it and scenario tests use it directly:
//
//     PlayOptions options;
//     options.seed = 7;
//     options.frames = 600;
//     options.keys = parseKeyScript("0 space press\n");
//     ScriptedPlay play(options);
//     play.run();
//     play.report();     // the JSON report, the same text for the same seed and keys
//
// Frame 0 is the first frame of the title screen: the loading screen before it always takes
// the same frames, so the time the loading worker takes never changes a replay. Without
// pictures to take the game draws into nothing (fast, no display needed); with pictures it
// opens its real window, which needs a display (Xvfb will do).
#pragma once

#include "game/app/GameRunner.hpp"
#include "game/harness/KeyScript.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvex::game::harness {

class ShotPlatform;

struct PlayOptions {
    std::uint32_t seed = 1;
    std::int64_t frames = 600;
    KeyScript keys;
    // Frame and PNG path of each picture to take.
    std::vector<std::pair<std::int64_t, std::string>> shots;
    // The resource_db to read; "" for the one beside the program.
    std::string dataDirectory;
    // Draw into a real window even without pictures to take.
    bool draw = false;
    // "2_3": the game starts at level 2, stage 3 instead of the first one.
    std::string startLevel;
    // Stop once the level being played is over, won or failed (for tallies of levels won).
    bool stopAtLevelEnd = false;
};

class ScriptedPlay {
public:
    // Called before every frame with the frame's number, after the scripted keys of the frame
    // have been fed (the autopilot feeds its own keys here).
    using FrameHook = std::function<void(std::int64_t frame)>;

    // Starts the game and runs the loading screen up to the title; raises an Error when the
    // options do not make sense or the title never shows.
    explicit ScriptedPlay(PlayOptions options);
    ~ScriptedPlay();
    ScriptedPlay(const ScriptedPlay&) = delete;
    ScriptedPlay& operator=(const ScriptedPlay&) = delete;

    void setFrameHook(FrameHook hook) { _hook = std::move(hook); }
    // Runs the remaining frames (all of options.frames, fewer when the game ends); answers
    // the number of frames run since the title appeared.
    std::int64_t run();
    // Runs one frame; false when the game has ended.
    bool step();

    [[nodiscard]] std::int64_t frame() const { return _frame; }
    // With stopAtLevelEnd: whether the level ended, and whether it was won.
    [[nodiscard]] bool levelEnded() const { return _levelEnded; }
    [[nodiscard]] bool levelWon() const { return _levelWon; }
    [[nodiscard]] GameRunner& runner() const { return *_runner; }
    // The JSON report of the game's state now.
    [[nodiscard]] std::string report() const;
    // Pictures that could not be written, as messages.
    [[nodiscard]] const std::vector<std::string>& shotErrors() const;

private:
    void _applyStartLevel();

    PlayOptions _options;
    std::shared_ptr<ShotPlatform> _platform;
    std::shared_ptr<platform::GraphicsDriver> _nullDriver;
    std::unique_ptr<GameRunner> _runner;
    std::size_t _nextEvent = 0;
    std::int64_t _frame = 0;
    bool _startLevelApplied = false;
    bool _levelEnded = false;
    bool _levelWon = false;
    FrameHook _hook;
};

} // namespace tarvex::game::harness
