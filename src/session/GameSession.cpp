#include "session/GameSession.hpp"

#include "core/TextConversion.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/LoopPlatform.hpp"

#include <limits>
#include <utility>

namespace tarvex {

const Type& GameSession::staticType() {
    static const Type& type = TypeBuilder<GameSession>("GameSession")
                                  .field("_data", &GameSession::_data)
                                  .field("_createdAt", &GameSession::_createdAt)
                                  .field("_playTime", &GameSession::_playTime)
                                  .field("_currentStart", &GameSession::_currentStart)
                                  .field("_isTiming", &GameSession::_isTiming)
                                  .build();
    return type;
}

ObjectRef GameSession::get(std::string_view key) const {
    const auto found = _data.find(key);
    return found == _data.end() ? nullptr : found->second;
}

std::string GameSession::getString(std::string_view key) const {
    const auto text = std::dynamic_pointer_cast<TextObject>(get(key));
    return text ? text->value : std::string();
}

std::int32_t GameSession::getInt(std::string_view key) const {
    return toInt(getString(key));
}

void GameSession::set(std::string_view key, ObjectRef value) {
    const auto found = _data.find(key);
    if (found == _data.end()) {
        _data.emplace(std::string(key), std::move(value));
        return;
    }
    // The earlier value is released after the store is consistent again, in case its
    // destruction reaches back into this session.
    const ObjectRef previous = std::exchange(found->second, std::move(value));
}

void GameSession::remove(std::string_view key) {
    const auto found = _data.find(key);
    if (found == _data.end()) {
        return;
    }
    const ObjectRef previous = std::move(found->second);
    _data.erase(found);
}

void GameSession::clear() {
    auto values = std::exchange(_data, {});
}

namespace {

// The 32-bit clock reading the session keeps; differences of two readings stay right across
// the wrap of the low 32 bits.
std::int32_t clockNow() {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(platform::loopPlatform().milliseconds()));
}

} // namespace

void GameSession::start() {
    _currentStart = clockNow();
    _isTiming = true;
}

void GameSession::stop() {
    if (!_isTiming) {
        return;
    }
    _isTiming = false;
    const auto elapsed = static_cast<std::int32_t>(static_cast<std::uint32_t>(clockNow()) -
                                                   static_cast<std::uint32_t>(_currentStart));
    if (elapsed <= 0) {
        return; // a clock that went back (a reset test clock) adds nothing
    }
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    _playTime = elapsed > most - _playTime ? most : _playTime + elapsed;
}

} // namespace tarvex
