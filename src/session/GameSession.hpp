// The store behind the session services: the values one run of the game shares between
// screens and systems, under flat text keys ("score", "current_level.used_charges"). Values are
// objects; integers are kept as their decimal text (TextObject), so the text and integer reads
// of a key always agree. It also measures play time between start() and stop().
//
//     auto session = std::make_shared<GameSession>();
//     session->set("score", TextObject::Create("120"));
//     session->getInt("score");      // 120
//     session->getString("missing"); // ""
//
// Nothing is written to disk; a session lives as long as its owner keeps it.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tarvex {

class GameSession : public Object {
    TARVEX_OBJECT(GameSession, Object)
public:
    GameSession() = default;

    // The stored object, or null when the key is absent.
    [[nodiscard]] ObjectRef get(std::string_view key) const;
    // The value as text; "" when the key is absent or holds something other than text.
    [[nodiscard]] std::string getString(std::string_view key) const;
    // The framework's lenient integer conversion of getString(key): 0 for absent, non-text or
    // non-numeric values.
    [[nodiscard]] std::int32_t getInt(std::string_view key) const;
    // Stores the object under the key, replacing any earlier value (null included).
    void set(std::string_view key, ObjectRef value);
    // Forgets the key altogether.
    void remove(std::string_view key);
    // Forgets every key. The values are released before this returns, unless shared elsewhere.
    void clear();

    // Records the clock; a later stop() adds the time since then to the play time.
    void start();
    // Adds the milliseconds since the last start() to the play time. Without a running start()
    // it adds nothing, so a repeated stop() does not count the same stretch twice.
    void stop();
    [[nodiscard]] std::int32_t getPlayTime() const { return _playTime; }
    [[nodiscard]] const std::string& getCreatedAt() const { return _createdAt; }

private:
    std::map<std::string, ObjectRef, std::less<>> _data;
    std::string _createdAt;
    std::int32_t _playTime = 0;
    std::int32_t _currentStart = 0;
    bool _isTiming = false;
};

} // namespace tarvex
