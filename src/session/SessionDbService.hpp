// The game's session store: one named operation per game quantity, so the key texts live
// here and nowhere else. Screens and systems receive it by injection and share score,
// counters and the level being played without knowing each other:
//
//     _sessionDb->resetGameplayState();     // a new game: score and counters to 0
//     _sessionDb->resetCurrentLevelState(); // a new level: the per-level counters to 0
//     _sessionDb->increaseChargesDropped(1);
//     _sessionDb->getChargesDroppedThisLevel();
//
// The high score survives resetGameplayState(), so it lasts from game to game within a run;
// nothing is written to disk.
#pragma once

#include "session/GameSessionService.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class SessionDbService : public GameSessionService {
    TARVEX_OBJECT(SessionDbService, GameSessionService)
public:
    // The class the level being played must have (or derive from). It belongs to the game,
    // above this layer, so it is recognised by its registered name.
    static constexpr std::string_view LEVEL_TYPE_NAME = "GameLevelResource";

    SessionDbService();

    // The "current_level" object when it is a level, otherwise null. The game takes the typed
    // reference with getCurrentLevel<GameLevelResource>().
    [[nodiscard]] virtual ObjectRef getCurrentLevel() const;
    template <class Level> [[nodiscard]] Ref<Level> getCurrentLevel() const {
        return std::dynamic_pointer_cast<Level>(getCurrentLevel());
    }
    [[nodiscard]] virtual std::int32_t getScore() const;
    [[nodiscard]] virtual std::int32_t getHighScore() const;
    [[nodiscard]] virtual std::string getPreviousName() const;
    [[nodiscard]] virtual std::int32_t getDestroyedSubs() const;
    [[nodiscard]] virtual std::int32_t getChargesDropped() const;
    [[nodiscard]] virtual std::int32_t getChargesDroppedThisLevel() const;
    [[nodiscard]] virtual std::int32_t getSonarsUsedThisLevel() const;
    [[nodiscard]] virtual std::int32_t getHighestCombo() const;
    // The low 8 bits of the "player_won" integer, as a bool.
    [[nodiscard]] virtual bool playerWon() const;
    // A new game: the win flag, combo, charges, destroyed submarines and score go to 0. The
    // high score and the current level are kept.
    virtual void resetGameplayState();
    // A new level: the per-level counters go to 0; the game-wide ones are kept.
    virtual void resetCurrentLevelState();
    // The score may become negative.
    virtual void increaseScore(std::int32_t amount);
    virtual void decreaseScore(std::int32_t amount);
    virtual void setScore(std::int32_t score);
    virtual void setHighScore(std::int32_t score);
    // Counts both for the whole game and for the current level.
    virtual void increaseChargesDropped(std::uint8_t count);
    virtual void increaseSonarsUsed(std::uint8_t count);
};

} // namespace tarvex
