#include "kernel/EventService.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& EventHandler::staticType() {
    static const Type& type =
        TypeBuilder<EventHandler>("EventHandler").field("_caller", &EventHandler::_caller).build();
    return type;
}

const Type& EventService::staticType() {
    static const Type& type = TypeBuilder<EventService>("EventService").build();
    return type;
}

Ref<EventHandler> EventHandler::Create(Callback callback) {
    auto handler = std::make_shared<EventHandler>();
    handler->_callback = std::move(callback);
    return handler;
}

Ref<EventHandler> EventHandler::CreateCallback(ObjectRef caller, const std::string& methodName) {
    auto handler = std::make_shared<EventHandler>();
    handler->_method = caller ? caller->getType().findMethod(methodName) : nullptr;
    handler->_methodName = methodName;
    handler->_caller = std::move(caller);
    return handler;
}

ObjectRef EventHandler::call(GameEvent& event) {
    if (!_caller) {
        return _callback ? _callback(event) : nullptr;
    }
    if (_method == nullptr) {
        return nullptr;
    }
    const ObjectRef args[] = {refOf(static_cast<Object*>(&event))};
    return _method->invoke(*_caller, args);
}

std::string EventHandler::ToString() const {
    if (!_caller) {
        return "<EventHandler> callback";
    }
    if (_method == nullptr) {
        return "<EventHandler> " + _caller->getType().getName();
    }
    return "<EventHandler> " + _caller->getType().getName() + "." + _method->getName();
}

EventService::EventService() {
    init();
}

EventService::~EventService() {
    platform::eventHook().unsubscribe(&EventService::_handleEvents, this);
}

void EventService::_add(const std::string& name, Ref<EventHandler> handler) {
    auto& bag = _handlers[name];
    if (!bag) {
        bag = std::make_shared<Bag<EventHandler>>();
    }
    bag->add(std::move(handler));
}

void EventService::addHandler(const std::string& name, EventHandler::Callback callback) {
    _add(name, EventHandler::Create(std::move(callback)));
}

void EventService::addCallback(const std::string& name, ObjectRef object,
                               const std::string& methodName) {
    _add(name, EventHandler::CreateCallback(std::move(object), methodName));
}

void EventService::removeCallback(const std::string& name, const Object* object,
                                  const std::string& methodName) {
    const auto found = _handlers.find(name);
    if (found == _handlers.end()) {
        return;
    }
    auto& bag = *found->second;
    for (std::int32_t i = 0; i < bag.getSize(); ++i) {
        const auto& handler = bag.get(i);
        if (handler->getCaller().get() == object && handler->getMethodName() == methodName) {
            bag.remove(i);
            return;
        }
    }
}

void EventService::removeEventHandlers(const std::string& name) {
    _handlers.erase(name);
}

void EventService::onResume() {
    if (!_subscribed) {
        platform::eventHook().subscribe(&EventService::_handleEvents, this, 1);
        _subscribed = true;
    }
}

void EventService::onSuspend() {
    platform::eventHook().unsubscribe(&EventService::_handleEvents, this);
    _subscribed = false;
}

Object* EventService::_handleEvents(std::int32_t id, Object* data, Object* context) {
    auto* event = dynamic_cast<GameEvent*>(data);
    auto* service = dynamic_cast<EventService*>(context);
    if (id != platform::eventHook().getId() || event == nullptr || service == nullptr) {
        return data;
    }
    const auto found = service->_handlers.find(GameEventMapper::getEventName(event->id));
    if (found == service->_handlers.end() || found->second->isEmpty()) {
        return data;
    }
    // Held for the walk: a handler may remove the name's handlers while it runs.
    const Ref<Bag<EventHandler>> handlers = found->second;
    auto walk = handlers->ObjectEnumerator();
    while (walk.HasNext()) {
        const Ref<EventHandler> handler = walk.NextObject();
        handler->call(*event);
    }
    return nullptr;
}

} // namespace tarvex
