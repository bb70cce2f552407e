#include "platform/Input.hpp"

#include "platform/PlatformEvent.hpp"

#include <memory>

namespace tarvex::platform {
namespace {

bool validKey(int code) {
    return code >= 0 && code < Keyboard::KEY_COUNT;
}
bool validButton(int button) {
    return button > 0 && button < Mouse::BUTTON_COUNT;
}

} // namespace

int Keyboard::keyHit(int code) {
    if (!validKey(code)) {
        return 0;
    }
    const int hits = _hits[code];
    _hits[code] = 0;
    return hits;
}

bool Keyboard::keyDown(int code) const {
    return validKey(code) && _down[code];
}

int Keyboard::getChar() {
    if (_typed.empty()) {
        return 0;
    }
    const int character = _typed.front();
    _typed.pop_front();
    return character;
}

void Keyboard::flush() {
    _hits.fill(0);
    _down.fill(false);
    _typed.clear();
}

void Keyboard::press(int code) {
    if (!validKey(code) || _down[code]) {
        return;
    }
    _down[code] = true;
    if (_hits[code] < UINT16_MAX) {
        ++_hits[code];
    }
}

void Keyboard::release(int code) {
    if (validKey(code)) {
        _down[code] = false;
    }
}

void Keyboard::type(int character) {
    if (character <= 0 || character > 255 || _typed.size() >= MAX_TYPED) {
        return;
    }
    _typed.push_back(static_cast<std::uint8_t>(character));
}

int Mouse::buttonHit(int button) {
    if (!validButton(button)) {
        return 0;
    }
    const int hits = _hits[button];
    _hits[button] = 0;
    return hits;
}

bool Mouse::buttonDown(int button) const {
    return validButton(button) && _down[button];
}

void Mouse::flush() {
    _hits.fill(0);
    _down.fill(false);
}

void Mouse::press(int button) {
    if (!validButton(button) || _down[button]) {
        return;
    }
    _down[button] = true;
    if (_hits[button] < UINT16_MAX) {
        ++_hits[button];
    }
}

void Mouse::release(int button) {
    if (validButton(button)) {
        _down[button] = false;
    }
}

Keyboard& keyboard() {
    static Keyboard instance;
    return instance;
}

Mouse& mouse() {
    static Mouse instance;
    return instance;
}

void deliverKeyDown(int code, bool repeat) {
    if (!repeat) {
        keyboard().press(code);
    }
    emitEvent(EVENT_KEYDOWN, code);
}

void deliverKeyUp(int code) {
    keyboard().release(code);
    emitEvent(EVENT_KEYUP, code);
}

void deliverChar(int character) {
    keyboard().type(character);
    emitEvent(EVENT_KEYCHAR, character);
}

void deliverMouseMove(int x, int y) {
    mouse().moveTo(x, y);
    emitEvent(EVENT_MOUSEMOVE, 0, x, y);
}

void deliverMouseDown(int button) {
    mouse().press(button);
    emitEvent(EVENT_MOUSEDOWN, button, mouse().x(), mouse().y());
}

void deliverMouseUp(int button) {
    mouse().release(button);
    emitEvent(EVENT_MOUSEUP, button, mouse().x(), mouse().y());
}

} // namespace tarvex::platform
