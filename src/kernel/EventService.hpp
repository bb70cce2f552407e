// Calls the handlers registered for a game event's name while the service runs. It listens on
// the event hook ahead of the application (priority 1 against 0); an event that has handlers is
// swallowed, so later subscribers receive null instead.
#pragma once

#include "core/Bag.hpp"
#include "kernel/GameEvent.hpp"
#include "kernel/GameService.hpp"

#include <functional>
#include <map>
#include <string>

namespace tarvex {

class EventHandler : public Object {
    TARVEX_OBJECT(EventHandler, Object)
public:
    using Callback = std::function<ObjectRef(GameEvent&)>;

    EventHandler() = default;
    [[nodiscard]] static Ref<EventHandler> Create(Callback callback);
    // A handler calling the method named `methodName` of the caller's class.
    [[nodiscard]] static Ref<EventHandler> CreateCallback(ObjectRef caller,
                                                          const std::string& methodName);

    ObjectRef call(GameEvent& event);
    [[nodiscard]] std::string ToString() const override;

    [[nodiscard]] const ObjectRef& getCaller() const { return _caller; }
    [[nodiscard]] const std::string& getMethodName() const { return _methodName; }

private:
    ObjectRef _caller;
    const Method* _method = nullptr;
    std::string _methodName;
    Callback _callback;
};

class EventService : public GameService {
    TARVEX_OBJECT(EventService, GameService)
public:
    EventService();
    ~EventService() override;
    EventService(const EventService&) = delete;
    EventService& operator=(const EventService&) = delete;

    void addHandler(const std::string& name, EventHandler::Callback callback);
    void addCallback(const std::string& name, ObjectRef object, const std::string& methodName);
    // Removes the first handler of `name` calling `methodName` on `object`.
    void removeCallback(const std::string& name, const Object* object,
                        const std::string& methodName);
    void removeEventHandlers(const std::string& name);
    void onResume() override;
    void onSuspend() override;
    static Object* _handleEvents(std::int32_t id, Object* data, Object* context);
    void dumpEvents() {}
    [[nodiscard]] std::string ToString() const override { return "<Tarvex.Events.EventService>"; }

private:
    void _add(const std::string& name, Ref<EventHandler> handler);

    std::map<std::string, Ref<Bag<EventHandler>>> _handlers;
    bool _subscribed = false;
};

} // namespace tarvex
