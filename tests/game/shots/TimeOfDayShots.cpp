// Photographs the time-of-day cross-fades from the real game drawn in a real window: run under
// a display (scripts/time-of-day-screenshots uses Xvfb). It starts a game with the first sunset
// level in place of level 1-1, adds a splash, a score fly-off and a smoking, burning boat, and
// writes:
//   sunset-transition.png  half-way through the fade from day to sunset
//   night.png              after the fade to night, with the moon up
// Usage: time-of-day-shots <output directory> <resource_db directory>
#include "game/GameEntityFactory.hpp"
#include "game/app/GameRunner.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"
#include "platform/Pixmap.hpp"
#include "platform/VirtualLoopPlatform.hpp"

#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace tarvex;
using namespace tarvex::game;

void makeFlyoff(const std::string& text, float x, float y) {
    auto flyoff = GameEntityFactory::createEntity();
    auto body = std::make_shared<TextBodyComponent>();
    body->text = text;
    body->x_pos = x - 30;
    body->y_pos = y;
    body->text_r = 255;
    body->text_g = 255;
    body->text_b = 255;
    body->y_velocity = -10;
    body->y_acceleration = 5;
    flyoff->addComponent(body);
    flyoff->addComponent(std::make_shared<ScoreFlyoffComponent>());
    flyoff->refresh();
}

// The boat's emitters, as if it had lost three of its five points.
void setBoatOnFire(GameRunner& runner) {
    const auto* emitters =
        runner.game().getEntityService()->getEntitiesWithComponentName("particle_generator");
    for (std::int32_t i = 0; emitters != nullptr && i < emitters->getSize(); ++i) {
        auto* generator = emitters->get(i)->getComponentAs<ParticleGeneratorComponent>();
        if (generator != nullptr && (generator->_particle_type == "SmokeParticle" ||
                                     generator->_particle_type == "FireParticle")) {
            generator->spawn_frequency = 0.7F;
        }
    }
}

bool shoot(const std::string& path) {
    const auto shot = platform::drawingLayer().readPixels(0, 0, 448, 576);
    if (!platform::savePng(shot, path)) {
        std::fprintf(stderr, "time-of-day-shots: could not write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s\n", path.c_str());
    return true;
}

void setLevel(GameRunner& runner, int level, int stage) {
    runner.game().getSessionDbService()->set(
        "current_level",
        runner.game().getResourceService()->get(GameplayScreen::levelId(level, stage), false));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: time-of-day-shots <output directory> <resource_db>\n");
        return 2;
    }
    const std::string out = argv[1];
    GameRunner runner({std::make_shared<platform::VirtualLoopPlatform>(), argv[2], 2000});
    if (!runner.runUntilTitle()) {
        std::fprintf(stderr, "time-of-day-shots: the title screen never came\n");
        return 1;
    }
    GameRunner::tapKey(platform::KEY_SPACE);
    runner.runFrames(1);
    setLevel(runner, 2, 1); // the first sunset level is played instead of 1-1
    auto playing = [&runner] {
        auto screen = runner.findScreen<GameplayScreen>();
        return screen && screen->getState() == GameplayScreen::STATE_PLAYING;
    };
    if (!runner.runUntil(playing, 300)) {
        std::fprintf(stderr, "time-of-day-shots: play never started\n");
        return 1;
    }
    auto screen = runner.findScreen<GameplayScreen>();
    setBoatOnFire(runner);
    makeFlyoff("100 x 1.5", 150, 200);
    auto timer = screen->getTimeOfDayTransition();
    if (!timer) {
        std::fprintf(stderr, "time-of-day-shots: no transition started\n");
        return 1;
    }
    runner.runUntil([&timer] { return timer->getRepeatCount() >= 12; }, 200);
    GameEntityFactory::createSpash(60, 71, 25, 3);
    runner.runUntil([&timer] { return timer->getRepeatCount() >= 15; }, 200);
    if (!shoot(out + "/sunset-transition.png")) {
        return 1;
    }

    runner.runUntil([&screen] { return !screen->getTimeOfDayTransition(); }, 200);
    setLevel(runner, 3, 1);
    screen->changeTimeOfDay();
    runner.runUntil([&screen] { return !screen->getTimeOfDayTransition(); }, 200);
    makeFlyoff("-250", 120, 160);
    runner.runFrames(20);
    return shoot(out + "/night.png") ? 0 : 1;
}
