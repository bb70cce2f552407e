// A simple player for the scripted-play harness (`depthrun-play --autopilot`): it proves the
// levels winnable and plays long sessions unattended. It looks at the screen as a player
// does, reading only what is drawn: the sprites shown (a submarine counts as seen when its
// sprite is visible and not faded out, as sonar-revealed ones are), where they are and how
// they move from frame to frame, the charge it dropped, missiles and mines, and the head-up
// display's allowances. It presses keys through the platform's input path, as a player's
// keyboard does, before each frame:
//
//     Autopilot pilot(play.runner());
//     play.setFrameHook([&](std::int64_t frame) { pilot.beforeFrame(frame); });
//
// Its plan: pick the visible submarine it can reach, steer so that a charge dropped now meets
// it (a charge sinks straight down, faster and faster), drop, and detonate when the charge is
// inside the submarine's outline; send a sonar pulse when nothing is in sight and the level
// allows one; stay clear of floating mines and of missiles about to reach the surface.
#pragma once

#include "game/app/GameRunner.hpp"

#include <cstdint>
#include <map>
#include <vector>

namespace tarvex::game::harness {

class Autopilot {
public:
    explicit Autopilot(GameRunner& runner) : _runner(runner) {}

    // Looks at the screen and sets the keys for the coming frame.
    void beforeFrame(std::int64_t frame);

    // A thing on screen, as seen.
    struct Sighting {
        float x = 0;
        float y = 0;
        float width = 0;
        float height = 0;
        float xSpeed = 0; // pixels per second, from its motion on screen
        float ySpeed = 0;
    };

private:
    struct Track {
        float x = 0;
        float y = 0;
        std::int64_t time = 0;
        float xSpeed = 0;
        float ySpeed = 0;
    };

    void _hold(int code, bool down);
    void _tap(int code);
    // Where the boat should be for a charge dropped now to meet this submarine, or a negative
    // value when it cannot.
    [[nodiscard]] float _aimFor(const Sighting& submarine, const Sighting& boat) const;

    GameRunner& _runner;
    std::map<int, bool> _held;
    // Motion seen per on-screen thing (entity id), over the last frames.
    std::map<std::int64_t, Track> _tracks;
    // Whether the last Space press dropped a charge (the next one detonates).
    bool _chargeDropped = false;
    bool _chargeSeen = false;
    std::int64_t _lastPress = -100;
};

} // namespace tarvex::game::harness
