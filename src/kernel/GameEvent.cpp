#include "kernel/GameEvent.hpp"

#include "core/TypeBuilder.hpp"

#include <map>

namespace tarvex {
namespace {

// Name -> identifier and back, for the life of the process.
struct EventNames {
    std::map<std::string, std::int32_t> idByName;
    std::map<std::int32_t, std::string> nameById;
};

EventNames& eventNames() {
    static EventNames names;
    return names;
}

} // namespace

const Type& GameEvent::staticType() {
    static const Type& type =
        TypeBuilder<GameEvent>("GameEvent").field("name", &GameEvent::name).build();
    return type;
}

Ref<GameEvent> GameEvent::CreateEvent(const std::string& name, ObjectRef source, ObjectRef extra) {
    auto event = std::make_shared<GameEvent>();
    event->id = GameEventMapper::getEventId(name);
    event->source = std::move(source);
    event->extra = std::move(extra);
    event->name = name;
    return event;
}

Ref<GameEvent> GameEvent::fireEvent(const std::string& name, ObjectRef source, ObjectRef extra) {
    auto event = CreateEvent(name, std::move(source), std::move(extra));
    platform::emitEvent(*event);
    return event;
}

std::int32_t GameEventMapper::getEventId(const std::string& name) {
    auto& names = eventNames();
    const auto found = names.idByName.find(name);
    if (found != names.idByName.end()) {
        return found->second;
    }
    const std::int32_t id = platform::allocateUserEventId(name);
    names.idByName[name] = id;
    names.nameById[id] = name;
    return id;
}

std::string GameEventMapper::getEventName(std::int32_t id) {
    const auto& names = eventNames();
    const auto found = names.nameById.find(id);
    return found == names.nameById.end() ? std::string() : found->second;
}

} // namespace tarvex
