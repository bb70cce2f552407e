#include "NetworkTestTypes.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/PlatformEvent.hpp"

namespace tarvex::testing {

const Type& RecordingServer::staticType() {
    static const Type& type = TypeBuilder<RecordingServer>("RecordingServer").build();
    return type;
}
const Type& FirstHandler::staticType() {
    static const Type& type = TypeBuilder<FirstHandler>("FirstHandler").build();
    return type;
}
const Type& SecondHandler::staticType() {
    static const Type& type = TypeBuilder<SecondHandler>("SecondHandler").build();
    return type;
}
const Type& EmptyHandler::staticType() {
    static const Type& type = TypeBuilder<EmptyHandler>("EmptyHandler").build();
    return type;
}

void RecordingServer::processMessage(const Ref<BaseGameClient>& client,
                                     const Ref<BaseGameMessage>& message) {
    if (auto parsed = MessageIn::FromBank(message->getData())) {
        received[client.get()].push_back(std::move(parsed));
    } else {
        ++refused;
    }
}

std::size_t RecordingServer::total() const {
    std::size_t count = 0;
    for (const auto& [client, messages] : received) {
        count += messages.size();
    }
    return count;
}

EventRecorder::EventRecorder() {
    platform::eventHook().subscribe(&EventRecorder::_record, this, 100);
}

EventRecorder::~EventRecorder() {
    platform::eventHook().unsubscribe(&EventRecorder::_record, this);
}

Object* EventRecorder::_record(std::int32_t /*hookId*/, Object* data, Object* context) {
    auto* recorder = static_cast<EventRecorder*>(context);
    if (const auto* event = dynamic_cast<const platform::PlatformEvent*>(data)) {
        recorder->events.push_back({event->id, event->source.get(), event->data});
    }
    return data;
}

} // namespace tarvex::testing
