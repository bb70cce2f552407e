#include "session/GameSessionService.hpp"

#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <limits>
#include <utility>

namespace tarvex {

const Type& GameSessionService::staticType() {
    static const Type& type = TypeBuilder<GameSessionService>("GameSessionService")
                                  .field("_session", &GameSessionService::_session)
                                  .build();
    return type;
}

GameSessionService::GameSessionService() : _session(std::make_shared<GameSession>()) {
    init();
}

bool GameSessionService::hasValue(std::string_view key) const {
    return get(key) != nullptr;
}

bool GameSessionService::hasFlag(std::string_view key) const {
    return getInt(key) == 1;
}

void GameSessionService::setFlag(std::string_view key, bool on) {
    setInt(key, on ? 1 : 0);
}

void GameSessionService::unsetFlag(std::string_view key) {
    _session->remove(key);
}

void GameSessionService::increaseField(std::string_view key, std::int32_t amount) {
    _storeClamped(key, std::int64_t{getInt(key)} + amount);
}

void GameSessionService::decreaseField(std::string_view key, std::int32_t amount) {
    _storeClamped(key, std::int64_t{getInt(key)} - amount);
}

void GameSessionService::_storeClamped(std::string_view key, std::int64_t value) {
    setInt(key, static_cast<std::int32_t>(
                    std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max())));
}

std::string GameSessionService::getString(std::string_view key) const {
    return _session->getString(key);
}

std::int32_t GameSessionService::getInt(std::string_view key) const {
    return _session->getInt(key);
}

void GameSessionService::set(std::string_view key, ObjectRef value) {
    _session->set(key, std::move(value));
}

void GameSessionService::copy(std::string_view source, std::string_view target) {
    set(target, get(source));
}

void GameSessionService::setInt(std::string_view key, std::int32_t value) {
    set(key, TextObject::Create(std::to_string(value)));
}

ObjectRef GameSessionService::get(std::string_view key) const {
    return _session->get(key);
}

void GameSessionService::reset() {
    const Ref<GameSession> old = std::exchange(_session, std::make_shared<GameSession>());
    old->clear();
}

} // namespace tarvex
