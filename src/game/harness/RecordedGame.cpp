#include "game/harness/RecordedGame.hpp"

#include "game/app/GameRunner.hpp"
#include "game/harness/HarnessTypes.hpp"
#include "game/harness/KeyRecorder.hpp"
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

int playRecordedGame(const std::string& path, std::uint32_t seed) {
    registerHarnessTypes();
    auto recorder = std::make_shared<KeyRecorder>(seed);
    GameRunnerOptions options;
    options.platform =
        std::make_shared<FrameStepPlatform>(std::make_shared<platform::SdlLoopPlatform>());
    options.seed = seed;
    options.audioDriver = "FreeAudio";
    std::optional<int> status;
    {
        GameRunner runner(options);
        const auto ended = [&runner] {
            return runner.exitStatus().has_value() || runner.game().isFinished();
        };
        // Keys pressed while loading reach the title's first frame.
        recorder->setFrame(0);
        while (!ended() && !runner.runUntilTitle(1)) {
        }
        for (std::int64_t frame = 0; !ended(); ++frame) {
            // Input arrives while a frame waits for its time and is seen by the next frame.
            recorder->setFrame(frame + 1);
            runner.runFrames(1);
        }
        status = runner.exitStatus();
    }
    recorder->save(path);
    return status.value_or(0);
}

} // namespace tarvex::game::harness
