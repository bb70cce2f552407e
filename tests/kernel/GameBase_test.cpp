#include "KernelTestTypes.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/GameBase.hpp"
#include "platform/LoopPlatform.hpp"
#include "support/DebugLogCapture.hpp"

#include <deque>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

// A virtual clock whose frame timer advances time by scripted frame lengths.
class ScriptedLoopPlatform : public platform::LoopPlatform {
public:
    std::int64_t now = 1000;
    std::deque<std::int64_t> frameLengths; // consumed one per wait
    int presents = 0;
    int lastSync = -1;
    int closes = 0;

    std::int64_t milliseconds() override { return now; }
    std::unique_ptr<platform::FrameTimer> createFrameTimer(int /*ticksPerSecond*/) override {
        class Timer : public platform::FrameTimer {
        public:
            explicit Timer(ScriptedLoopPlatform& owner) : _owner(owner) {}
            void wait() override {
                if (!_owner.frameLengths.empty()) {
                    _owner.now += _owner.frameLengths.front();
                    _owner.frameLengths.pop_front();
                }
            }

        private:
            ScriptedLoopPlatform& _owner;
        };
        return std::make_unique<Timer>(*this);
    }
    void present(int sync) override {
        ++presents;
        lastSync = sync;
    }
    void closeGraphics() override { ++closes; }
};

// Finishes the game after a number of frames and records the deltas it saw.
class FrameCounter : public GameService {
    TARVEX_OBJECT(FrameCounter, GameService)
public:
    FrameCounter() { init(); }
    void update(float delta) override {
        updates.push_back(delta);
        if (static_cast<int>(updates.size()) == stopAfter && game != nullptr) {
            game->finish();
        }
    }
    void render(float delta) override { renders.push_back(delta); }

    struct Finisher {
        virtual ~Finisher() = default;
        virtual void finish() = 0;
    };
    std::vector<float> updates;
    std::vector<float> renders;
    int stopAfter = 0;
    Finisher* game = nullptr;
};

const Type& FrameCounter::staticType() {
    static const Type& type =
        TypeBuilder<FrameCounter>("FrameCounter").meta("implements", "update, render").build();
    return type;
}

class TestGame : public GameBase, public FrameCounter::Finisher {
public:
    void finish() override { _finished = 0x100 | 1; }
    void handleEvent(platform::PlatformEvent& event) override { events.push_back(event.id); }
    std::vector<std::int32_t> events;
};

class GameBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerKernelTestTypes();
        platform = std::make_shared<ScriptedLoopPlatform>();
        previous = platform::setLoopPlatform(platform);
    }
    void TearDown() override { platform::setLoopPlatform(previous); }

    std::shared_ptr<ScriptedLoopPlatform> platform;
    std::shared_ptr<platform::LoopPlatform> previous;
};

TEST_F(GameBaseTest, FirstDeltaIsTheNominalFrameThenMeasuredWallTime) {
    TestGame game;
    auto counter = std::make_shared<FrameCounter>();
    counter->stopAfter = 4;
    counter->game = &game;
    game.addServiceToKernel(counter, nullptr);
    platform->frameLengths = {17, 16, 50, 17};
    game.runLoop();
    EXPECT_EQ(counter->updates, (std::vector<float>{16.0F, 17.0F, 16.0F, 50.0F}));
    EXPECT_EQ(counter->renders, counter->updates) << "update and render share a frame's delta";
    EXPECT_EQ(platform->presents, 4);
    EXPECT_EQ(platform->lastSync, 0) << "presents without waiting for the vertical blank";
    EXPECT_FALSE(counter->isRunning()) << "the kernel is stopped when the loop ends";
}

TEST_F(GameBaseTest, FrameRateSetsTheNominalFirstDelta) {
    TestGame game;
    game.setFrameRate(30);
    auto counter = std::make_shared<FrameCounter>();
    counter->stopAfter = 1;
    counter->game = &game;
    game.addServiceToKernel(counter, nullptr);
    game.runLoop();
    EXPECT_EQ(counter->updates, (std::vector<float>{33.0F}));
}

TEST_F(GameBaseTest, AFrameRateOfZeroOrLessIsRefused) {
    TestGame game;
    for (const std::int32_t rate : {0, -60}) {
        try {
            game.setFrameRate(rate);
            ADD_FAILURE() << "accepted " << rate;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Frame rate must be positive: " + std::to_string(rate));
        }
    }
    EXPECT_EQ(game.getFrameRate(), 60) << "the refused rate leaves the old one";
}

TEST_F(GameBaseTest, OnlyTheLowByteOfTheFinishedFlagCounts) {
    class Flagged : public GameBase {
    public:
        void set(std::int32_t value) { _finished = value; }
    } game;
    game.set(0x100);
    EXPECT_FALSE(game.isFinished());
    game.set(0x101);
    EXPECT_TRUE(game.isFinished());
}

TEST_F(GameBaseTest, EveryPlatformEventReachesHandleEventAndPassesOn) {
    TestGame game;
    platform::PlatformEvent close;
    close.id = platform::EVENT_WINDOWCLOSE;
    EXPECT_EQ(platform::emitEvent(close), &close);
    EXPECT_EQ(game.events, (std::vector<std::int32_t>{platform::EVENT_WINDOWCLOSE}));
    EXPECT_FALSE(game.isFinished()) << "a close request does not end the loop";
}

TEST_F(GameBaseTest, KernelServiceHelpers) {
    TestGame game;
    testing::DebugLogCapture log;
    auto service = std::make_shared<testing::SilentService>();
    game._addKernelService(service, nullptr);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"Deprecated: Use `addServiceToKernel` instead"}));
    EXPECT_EQ(game._getKernelService(&testing::SilentService::staticType()), service);
    EXPECT_EQ(game._getKernelServiceByName("SilentService"), service);
    EXPECT_EQ(game._getKernelServiceByName("NoSuchClass"), nullptr);
    game.shutdown();
    EXPECT_EQ(platform->closes, 1);
}

} // namespace
} // namespace tarvex
