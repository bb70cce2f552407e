// The game played by hand while its keys are written down (`depthrun --record FILE`). The
// game runs exactly as the scripted-play harness runs it, so the file replays in
// `depthrun-play --keys FILE` to the same game: the random numbers come from a seed written at
// the top of the file, the game clock moves by whole frames of 1000/60 ms (the window still
// waits for real time between frames), and the loading screen is given the same frames as in
// the harness.
#pragma once

#include "game/app/GameRunner.hpp"
#include "platform/LoopPlatform.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarvex::game::harness {

// A loop platform that waits like another one but whose clock counts whole frames.
class FrameStepPlatform : public platform::LoopPlatform {
public:
    explicit FrameStepPlatform(std::shared_ptr<platform::LoopPlatform> inner)
        : _inner(std::move(inner)) {}

    [[nodiscard]] std::int64_t milliseconds() override { return _now; }
    [[nodiscard]] std::unique_ptr<platform::FrameTimer>
    createFrameTimer(int ticksPerSecond) override;
    void present(int sync) override { _inner->present(sync); }
    void closeGraphics() override { _inner->closeGraphics(); }

private:
    friend class FrameStepTimer;
    std::shared_ptr<platform::LoopPlatform> _inner;
    std::int64_t _now = 0;
};

class KeyRecorder;

// Runs the game of `options` (its platform wrapped in a FrameStepPlatform, its seed that of
// the recorder) until it ends, with the recorder listening; answers the exit status asked for,
// if any, and the harness's report of the end in `report` when given. playRecordedGame does
// this on the real window; tests give it a virtual platform.
std::optional<int> recordGame(GameRunnerOptions options, KeyRecorder& recorder,
                              std::string* report = nullptr);

// Plays the game in its window until it ends, then writes the keys to `path`; answers the
// program's exit status. Raises an Error when the recording cannot be written.
int playRecordedGame(const std::string& path, std::uint32_t seed);

} // namespace tarvex::game::harness
