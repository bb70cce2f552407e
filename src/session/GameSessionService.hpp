// A kernel service around one GameSession: the shared key/value memory of a run. Besides plain
// objects it reads and writes integers (kept as decimal text) and flags (integers 0 and 1):
//
//     session->setInt("lives", 3);
//     session->decreaseField("lives", 1);   // "lives" now holds "2"
//     session->setFlag("tutorial_seen", true);
//     session->hasFlag("tutorial_seen");    // true
//
// Absent keys read as null, "" and 0, so callers never check before reading. The service
// neither updates nor renders.
#pragma once

#include "kernel/GameService.hpp"
#include "session/GameSession.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class GameSessionService : public GameService {
    TARVEX_OBJECT(GameSessionService, GameService)
public:
    GameSessionService();

    [[nodiscard]] virtual const Ref<GameSession>& getSession() const { return _session; }
    // True when the key holds a non-null value.
    [[nodiscard]] virtual bool hasValue(std::string_view key) const;
    // True when the key reads as the integer 1.
    [[nodiscard]] virtual bool hasFlag(std::string_view key) const;
    virtual void setFlag(std::string_view key, bool on);
    // Removes the key, so hasValue() answers false afterwards.
    virtual void unsetFlag(std::string_view key);
    // Add to / subtract from the key's integer. Results beyond the 32-bit range stop at its
    // ends instead of wrapping round to the other sign.
    virtual void increaseField(std::string_view key, std::int32_t amount);
    virtual void decreaseField(std::string_view key, std::int32_t amount);
    [[nodiscard]] virtual std::string getString(std::string_view key) const;
    [[nodiscard]] virtual std::int32_t getInt(std::string_view key) const;
    virtual void set(std::string_view key, ObjectRef value);
    // Stores the very object held under `source` (null when absent) under `target`.
    virtual void copy(std::string_view source, std::string_view target);
    virtual void setInt(std::string_view key, std::int32_t value);
    [[nodiscard]] virtual ObjectRef get(std::string_view key) const;
    // Starts over with an empty session. The old session is emptied at once, so its values are
    // released now even if someone still holds the old session.
    virtual void reset();

private:
    void _storeClamped(std::string_view key, std::int64_t value);

    Ref<GameSession> _session;
};

} // namespace tarvex
