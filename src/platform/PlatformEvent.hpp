// Events of the platform (window, keyboard, timer and user events) and the event-emission hook
// through which every emitted event passes. The application base subscribes to it; the game
// event service (priority 1) sees events before the application (priority 0).
#pragma once

#include "core/Hook.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex::platform {

// Event identifiers emitted by the platform backend.
enum EventId : std::int32_t {
    EVENT_KEYDOWN = 0x101,
    EVENT_KEYUP = 0x102,
    EVENT_KEYCHAR = 0x104,
    EVENT_MOUSEDOWN = 0x201,
    EVENT_MOUSEUP = 0x202,
    EVENT_MOUSEMOVE = 0x203,
    EVENT_WINDOWMOVE = 0x801,
    EVENT_WINDOWSIZE = 0x802,
    EVENT_WINDOWCLOSE = 0x803,
    EVENT_WINDOWACTIVATE = 0x804,
    EVENT_APPTERMINATE = 0x1002,
    EVENT_TIMERTICK = 0x2001,
    EVENT_USEREVENT = 0x8000, // first identifier handed out by allocateUserEventId
};

class PlatformEvent : public Object {
    TARVEX_OBJECT(PlatformEvent, Object)
public:
    std::int32_t id = 0;
    ObjectRef source;
    std::int32_t data = 0;
    std::int32_t mods = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    ObjectRef extra;
};

// The hook every emitted event passes through, subscribers receiving the PlatformEvent as data.
[[nodiscard]] Hook& eventHook();
// Runs the event through the hook, synchronously; answers what the last subscriber returned.
Object* emitEvent(PlatformEvent& event);
// Emits a new event with only its identifier, data and position set. Answers what the last
// subscriber returned as a shared reference, which keeps the event alive when that is the
// event itself (null when the answer is null or an object no shared reference owns).
ObjectRef emitEvent(std::int32_t id, std::int32_t data = 0, std::int32_t x = 0, std::int32_t y = 0);

// A fresh user-event identifier; the description names it for debugging.
[[nodiscard]] std::int32_t allocateUserEventId(const std::string& description);

void registerPlatformTypes();

} // namespace tarvex::platform
