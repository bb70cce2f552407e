#include "game/harness/KeyScript.hpp"

#include "core/Error.hpp"
#include "platform/Input.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace tarvex::game::harness {

namespace {

// Frames beyond this are refused: about 98 days of play at 60 frames per second.
constexpr std::int64_t MAX_FRAME = std::int64_t{1} << 29;

constexpr std::array<std::pair<std::string_view, int>, 5> KEYS{{
    {"space", platform::KEY_SPACE},
    {"left", platform::KEY_LEFT},
    {"right", platform::KEY_RIGHT},
    {"s", platform::KEY_S},
    {"escape", platform::KEY_ESCAPE},
}};

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

template <class Integer> std::optional<Integer> number(std::string_view text) {
    Integer value{};
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void fail(std::size_t line, const std::string& what) {
    throw Error("Bad key script at line " + std::to_string(line) + ": " + what);
}

} // namespace

std::optional<int> keyCodeOf(std::string_view name) {
    for (const auto& [keyName, code] : KEYS) {
        if (keyName == name) {
            return code;
        }
    }
    return std::nullopt;
}

std::string keyNameOf(int code) {
    for (const auto& [keyName, keyCode] : KEYS) {
        if (keyCode == code) {
            return std::string(keyName);
        }
    }
    return {};
}

KeyScript parseKeyScript(std::string_view text) {
    KeyScript script;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        ++lineNumber;
        const auto parts = words(line);
        if (parts.empty() || parts[0].starts_with('#')) {
            continue;
        }
        if (parts[0] == "seed") {
            const auto seed = parts.size() == 2 ? number<std::uint32_t>(parts[1]) : std::nullopt;
            if (!seed) {
                fail(lineNumber, "expected \"seed <number>\"");
            }
            script.seed = seed;
            continue;
        }
        if (parts.size() != 3) {
            fail(lineNumber, "expected \"<frame> <key> down|up|press\"");
        }
        const auto frame = number<std::int64_t>(parts[0]);
        if (!frame || *frame < 0 || *frame > MAX_FRAME) {
            fail(lineNumber, "the frame is not a number from 0 to " + std::to_string(MAX_FRAME));
        }
        const auto code = keyCodeOf(parts[1]);
        if (!code) {
            fail(lineNumber, "unknown key \"" + std::string(parts[1]) +
                                 "\" (keys: space, left, right, s, escape)");
        }
        KeyAction action{};
        if (parts[2] == "down") {
            action = KeyAction::Down;
        } else if (parts[2] == "up") {
            action = KeyAction::Up;
        } else if (parts[2] == "press") {
            action = KeyAction::Press;
        } else {
            fail(lineNumber,
                 "unknown action \"" + std::string(parts[2]) + "\" (actions: down, up, press)");
        }
        script.events.push_back({*frame, *code, action});
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
    return script;
}

KeyScript loadKeyScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error("Cannot read the key script " + path);
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return parseKeyScript(text);
}

std::string formatKeyEvent(const KeyEvent& event) {
    const char* action = event.action == KeyAction::Down ? "down"
                         : event.action == KeyAction::Up ? "up"
                                                         : "press";
    return std::to_string(event.frame) + " " + keyNameOf(event.code) + " " + action;
}

std::string formatKeyScript(const KeyScript& script) {
    std::ostringstream out;
    if (script.seed) {
        out << "seed " << *script.seed << "\n";
    }
    for (const auto& event : script.events) {
        out << formatKeyEvent(event) << "\n";
    }
    return out.str();
}

} // namespace tarvex::game::harness
