// Key scripts: the keys of a game, frame by frame, as text. The scripted-play harness reads
// them and `depthrun --record` writes them, so a game played by hand replays exactly:
//
//     seed 1234
//     # frame key action
//     0 space press
//     120 left down
//     160 left up
//
// Frames count from the first frame of the title screen. "press" is a key pressed and released
// before that frame (one hit); "down" and "up" hold and let go. Keys: space, left, right, s,
// escape. Blank lines and lines starting with '#' are ignored; anything else that does not
// read raises an Error naming the line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::game::harness {

enum class KeyAction : std::uint8_t { Down, Up, Press };

struct KeyEvent {
    std::int64_t frame = 0;
    int code = 0;
    KeyAction action = KeyAction::Press;
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

struct KeyScript {
    std::optional<std::uint32_t> seed;
    // In frame order; events of one frame in the order they were written.
    std::vector<KeyEvent> events;
};

// The platform key code of a script key name, or null.
[[nodiscard]] std::optional<int> keyCodeOf(std::string_view name);
// The script name of a key code, or "" for a key scripts do not carry.
[[nodiscard]] std::string keyNameOf(int code);

[[nodiscard]] KeyScript parseKeyScript(std::string_view text);
// Reads a file; raises an Error when it cannot be read.
[[nodiscard]] KeyScript loadKeyScript(const std::string& path);
// One line, without the line break: "120 left down".
[[nodiscard]] std::string formatKeyEvent(const KeyEvent& event);
[[nodiscard]] std::string formatKeyScript(const KeyScript& script);

} // namespace tarvex::game::harness
