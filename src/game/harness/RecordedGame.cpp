#include "game/harness/RecordedGame.hpp"

#include "game/app/GameRunner.hpp"
#include "game/harness/HarnessTypes.hpp"
#include "game/harness/KeyRecorder.hpp"
#include "game/harness/PlayReport.hpp"
#include "platform/SdlPlatform.hpp"

namespace tarvex::game::harness {

class FrameStepTimer : public platform::FrameTimer {
public:
    FrameStepTimer(FrameStepPlatform& platform, int ticksPerSecond)
        : _platform(platform), _ticksPerSecond(ticksPerSecond > 0 ? ticksPerSecond : 1),
          _start(platform._now), _inner(platform._inner->createFrameTimer(ticksPerSecond)) {}

    void wait() override {
        _inner->wait();
        ++_tick;
        _platform._now = _start + _tick * 1000 / _ticksPerSecond;
    }

private:
    FrameStepPlatform& _platform;
    std::int64_t _ticksPerSecond;
    std::int64_t _start;
    std::int64_t _tick = 0;
    std::unique_ptr<platform::FrameTimer> _inner;
};

std::unique_ptr<platform::FrameTimer> FrameStepPlatform::createFrameTimer(int ticksPerSecond) {
    return std::make_unique<FrameStepTimer>(*this, ticksPerSecond);
}

std::optional<int> recordGame(GameRunnerOptions options, KeyRecorder& recorder,
                              std::string* report) {
    registerHarnessTypes();
    options.platform = std::make_shared<FrameStepPlatform>(std::move(options.platform));
    options.seed = recorder.script().seed.value_or(options.seed);
    GameRunner runner(options);
    const auto ended = [&runner] {
        return runner.exitStatus().has_value() || runner.game().isFinished();
    };
    // Keys pressed while loading reach the title's first frame.
    recorder.setFrame(0);
    while (!ended() && !runner.runUntilTitle(1)) {
    }
    std::int64_t frame = 0;
    for (; !ended(); ++frame) {
        // Input arrives while a frame waits for its time and is seen by the next frame.
        recorder.setFrame(frame + 1);
        runner.runFrames(1);
    }
    if (report != nullptr) {
        *report = playReport(runner, frame);
    }
    return runner.exitStatus();
}

int playRecordedGame(const std::string& path, std::uint32_t seed) {
    auto recorder = std::make_shared<KeyRecorder>(seed);
    GameRunnerOptions options;
    options.platform = std::make_shared<platform::SdlLoopPlatform>();
    options.audioDriver = "FreeAudio";
    const auto status = recordGame(options, *recorder);
    recorder->save(path);
    return status.value_or(0);
}

} // namespace tarvex::game::harness
