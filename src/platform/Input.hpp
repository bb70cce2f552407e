// Polled keyboard and mouse. The platform backend (or a test script) feeds key presses,
// releases, typed characters and pointer movement in; the game polls per virtual key code:
//
//     if (keyboard().keyHit(KEY_SPACE)) { fire(); }      // pressed since the last query
//     if (keyboard().keyDown(KEY_LEFT)) { steerLeft(); } // held down now
//
// Every input change also goes out through the platform event hook (see deliverKeyDown and
// friends), so the real backend and scripted input take the same path. Input is touched on
// the main thread only.
#pragma once

#include <array>
#include <cstdint>
#include <deque>

namespace tarvex::platform {

// Virtual key codes the game and the console use.
enum KeyCode : int {
    KEY_BACKSPACE = 8,
    KEY_TAB = 9,
    KEY_ENTER = 13,
    KEY_SHIFT = 16,
    KEY_CONTROL = 17,
    KEY_ALT = 18,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_S = 83,
    KEY_CONSOLE = 223, // the backquote key
};

class Keyboard {
public:
    static constexpr int KEY_COUNT = 256;
    static constexpr std::size_t MAX_TYPED = 256; // typed characters nobody reads are dropped

    // Presses since the last keyHit of that key (0 when none); the count restarts at 0.
    int keyHit(int code);
    [[nodiscard]] bool keyDown(int code) const;
    // The next typed character (a byte: Latin-1, 8 backspace, 13 enter), 0 when none is left.
    int getChar();
    // Forgets hits, held keys and typed characters, as if every key had been released unseen.
    void flush();

    // Input feed. A press of a key already held (auto-repeat) does not count as a new hit.
    void press(int code);
    void release(int code);
    void type(int character);

private:
    std::array<std::uint16_t, KEY_COUNT> _hits{};
    std::array<bool, KEY_COUNT> _down{};
    std::deque<std::uint8_t> _typed;
};

class Mouse {
public:
    static constexpr int BUTTON_COUNT = 4; // 1 left, 2 right, 3 middle

    // Pointer position in window pixels.
    [[nodiscard]] int x() const { return _x; }
    [[nodiscard]] int y() const { return _y; }
    int buttonHit(int button);
    [[nodiscard]] bool buttonDown(int button) const;
    void flush();

    void moveTo(int x, int y) {
        _x = x;
        _y = y;
    }
    void press(int button);
    void release(int button);

private:
    int _x = 0;
    int _y = 0;
    std::array<std::uint16_t, BUTTON_COUNT> _hits{};
    std::array<bool, BUTTON_COUNT> _down{};
};

[[nodiscard]] Keyboard& keyboard();
[[nodiscard]] Mouse& mouse();

// Feed the input state and emit the matching platform event (EVENT_KEYDOWN with the key code
// as data, EVENT_KEYUP, EVENT_KEYCHAR with the character, EVENT_MOUSEMOVE with x and y).
// `repeat` marks auto-repeated presses: they reach the hook but are not new hits.
void deliverKeyDown(int code, bool repeat = false);
void deliverKeyUp(int code);
void deliverChar(int character);
void deliverMouseMove(int x, int y);
void deliverMouseDown(int button);
void deliverMouseUp(int button);

} // namespace tarvex::platform
