// Named game events on top of the platform's event queue. The first use of a name allocates a
// platform user-event identifier; firing emits the event synchronously through the event hook,
// where the running EventService calls the handlers registered for its name.
//
//     events->addHandler("boss_defeated", [](GameEvent& e) -> ObjectRef { ...; return nullptr; });
//     GameEvent::fireEvent("boss_defeated", source, nullptr);
#pragma once

#include "platform/PlatformEvent.hpp"

#include <string>

namespace tarvex {

class GameEvent : public platform::PlatformEvent {
    TARVEX_OBJECT(GameEvent, platform::PlatformEvent)
public:
    std::string name;

    [[nodiscard]] static Ref<GameEvent> CreateEvent(const std::string& name, ObjectRef source,
                                                    ObjectRef extra);
    static Ref<GameEvent> fireEvent(const std::string& name, ObjectRef source, ObjectRef extra);
};

class GameEventMapper {
public:
    // The identifier of `name`, allocated on first use.
    [[nodiscard]] static std::int32_t getEventId(const std::string& name);
    // The name mapped for `id`, or "".
    [[nodiscard]] static std::string getEventName(std::int32_t id);
};

} // namespace tarvex
