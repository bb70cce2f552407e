#include "platform/PlatformEvent.hpp"

#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/AudioChannel.hpp"
#include "platform/AudioDevice.hpp"
#include "platform/GraphicsContext.hpp"
#include "platform/Image.hpp"
#include "platform/ImageFont.hpp"
#include "platform/Sound.hpp"
#include "platform/Stream.hpp"
#include "platform/net/Socket.hpp"

#include <atomic>

namespace tarvex::platform {

const Type& PlatformEvent::staticType() {
    static const Type& type = TypeBuilder<PlatformEvent>("PlatformEvent")
                                  .field("id", &PlatformEvent::id)
                                  .field("source", &PlatformEvent::source)
                                  .field("data", &PlatformEvent::data)
                                  .field("mods", &PlatformEvent::mods)
                                  .field("x", &PlatformEvent::x)
                                  .field("y", &PlatformEvent::y)
                                  .field("extra", &PlatformEvent::extra)
                                  .build();
    return type;
}

Hook& eventHook() {
    static const std::shared_ptr<Hook> hook = Hook::allocate();
    return *hook;
}

Object* emitEvent(PlatformEvent& event) {
    return eventHook().run(&event);
}

ObjectRef emitEvent(std::int32_t id, std::int32_t data, std::int32_t x, std::int32_t y) {
    const auto event = std::make_shared<PlatformEvent>();
    event->id = id;
    event->data = data;
    event->x = x;
    event->y = y;
    // The event dies with this call: a raw answer could point at it.
    return refOf(emitEvent(*event));
}

std::int32_t allocateUserEventId(const std::string& /*description*/) {
    static std::atomic<std::int32_t> next{EVENT_USEREVENT};
    return next++;
}

void registerPlatformTypes() {
    TypeRegistry::instance()
        .add<PlatformEvent, Stream, MemoryStream, FileStream, Image, ImageFont, GraphicsContext,
             Sound, AudioChannel, AudioDevice, Socket>();
}

} // namespace tarvex::platform
