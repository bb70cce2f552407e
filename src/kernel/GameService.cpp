#include "kernel/GameService.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& GameService::staticType() {
    static const Type& type = TypeBuilder<GameService>("GameService")
                                  .field("_id", &GameService::_id)
                                  .field("_canKill", &GameService::_canKill)
                                  .field("_priority", &GameService::_priority)
                                  .field("_isRunning", &GameService::_isRunning)
                                  .field("_renderPriority", &GameService::_renderPriority)
                                  .field("_updatePriority", &GameService::_updatePriority)
                                  .noFactory()
                                  .build();
    return type;
}

GameService::GameService() {
    GameService::init();
}

Hook& GameService::priorityChangeHook() {
    static const std::shared_ptr<Hook> hook = Hook::allocate();
    return *hook;
}

void GameService::start() {
    _isRunning = true;
    onResume();
}

void GameService::stop() {
    _isRunning = false;
    onSuspend();
}

void GameService::_setPriority(std::uint8_t priority) {
    _priority = priority;
    _updatePriority = priority;
    _renderPriority = priority;
    priorityChangeHook().run(this);
}

void GameService::_setUpdatePriority(std::uint8_t priority) {
    _updatePriority = priority;
    priorityChangeHook().run(this);
}

void GameService::_setRenderPriority(std::uint8_t priority) {
    _renderPriority = priority;
    priorityChangeHook().run(this);
}

void GameService::init() {
    _canKill = true;
    _priority = 127;
    _updatePriority = 127;
    _renderPriority = 127;
    _addInjectableFields();
}

int GameService::Compare(const Object& other) const {
    const auto* service = dynamic_cast<const GameService*>(&other);
    if (service == nullptr || service->_priority == _priority) {
        return 0;
    }
    return _priority > service->_priority ? 1 : -1;
}

} // namespace tarvex
