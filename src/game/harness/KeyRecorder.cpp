#include "game/harness/KeyRecorder.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/PlatformEvent.hpp"

#include <fstream>

namespace tarvex::game::harness {

const Type& KeyRecorder::staticType() {
    static const Type& type = TypeBuilder<KeyRecorder>("KeyRecorder").build();
    return type;
}

KeyRecorder::KeyRecorder(std::uint32_t seed) {
    _script.seed = seed;
    platform::eventHook().subscribe(&KeyRecorder::_onEvent, this, 0);
}

KeyRecorder::~KeyRecorder() {
    platform::eventHook().unsubscribe(&KeyRecorder::_onEvent, this);
}

Object* KeyRecorder::_onEvent(std::int32_t /*hookId*/, Object* data, Object* context) {
    auto* self = static_cast<KeyRecorder*>(context);
    const auto* event = dynamic_cast<const platform::PlatformEvent*>(data);
    if (self == nullptr || event == nullptr || keyNameOf(event->data).empty()) {
        return data;
    }
    if (event->id == platform::EVENT_KEYDOWN) {
        // A key already held is an automatic repeat.
        if (self->_held.insert(event->data).second) {
            self->_script.events.push_back({self->_frame, event->data, KeyAction::Down});
        }
    } else if (event->id == platform::EVENT_KEYUP) {
        self->_held.erase(event->data);
        self->_script.events.push_back({self->_frame, event->data, KeyAction::Up});
    }
    return data;
}

void KeyRecorder::save(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << formatKeyScript(_script);
    if (!out.flush()) {
        throw Error("Cannot write the recording " + path);
    }
}

} // namespace tarvex::game::harness
