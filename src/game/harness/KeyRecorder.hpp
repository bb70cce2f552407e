// Writes down the keys a player presses, by frame, as a key script that the scripted-play
// harness replays exactly. `depthrun --record FILE` runs the game with one:
//
//     KeyRecorder recorder(seed);       // listens to the platform's input events from now on
//     recorder.setFrame(frame + 1);     // events from now on are seen by that frame
//     ...
//     recorder.save("game.keys");       // "seed 1234", then "<frame> <key> down|up" lines
//
// Auto-repeated presses of a held key are left out: the game never sees them as new hits.
#pragma once

#include "core/Object.hpp"
#include "game/harness/KeyScript.hpp"

#include <cstdint>
#include <set>
#include <string>

namespace tarvex::game::harness {

class KeyRecorder : public Object {
    TARVEX_OBJECT(KeyRecorder, Object)
public:
    explicit KeyRecorder(std::uint32_t seed = 0);
    ~KeyRecorder() override;
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // The frame (counted from the title's first) that key events arriving from now on reach.
    void setFrame(std::int64_t frame) { _frame = frame; }
    [[nodiscard]] const KeyScript& script() const { return _script; }
    // Raises an Error when the file cannot be written.
    void save(const std::string& path) const;

private:
    static Object* _onEvent(std::int32_t hookId, Object* data, Object* context);

    KeyScript _script;
    std::int64_t _frame = 0;
    std::set<int> _held;
};

} // namespace tarvex::game::harness
