#include "session/SessionDbService.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {
namespace {

constexpr std::string_view CURRENT_LEVEL = "current_level";
constexpr std::string_view SCORE = "score";
constexpr std::string_view HIGH_SCORE = "high_score";
constexpr std::string_view PREVIOUS_NAME = "previous_name";
constexpr std::string_view DESTROYED_SUBS = "destroyed_subs";
constexpr std::string_view CHARGES_DROPPED = "charges_dropped";
constexpr std::string_view HIGHEST_COMBO = "highest_combo";
constexpr std::string_view PLAYER_WON = "player_won";
// The dot is part of these keys; the store is flat.
constexpr std::string_view LEVEL_DESTROYED_SUBS = "current_level.destroyed_subs";
constexpr std::string_view LEVEL_USED_CHARGES = "current_level.used_charges";
constexpr std::string_view LEVEL_USED_SONARS = "current_level.used_sonars";
constexpr std::string_view LEVEL_CURRENT_POWERUP = "current_level.current_powerup";

bool isLevel(const Object& object) {
    for (const Type* type = &object.getType(); type != nullptr; type = type->getBase()) {
        if (type->getName() == SessionDbService::LEVEL_TYPE_NAME) {
            return true;
        }
    }
    return false;
}

} // namespace

const Type& SessionDbService::staticType() {
    static const Type& type = TypeBuilder<SessionDbService>("SessionDbService").build();
    return type;
}

SessionDbService::SessionDbService() {
    init();
}

ObjectRef SessionDbService::getCurrentLevel() const {
    ObjectRef level = get(CURRENT_LEVEL);
    return level && isLevel(*level) ? level : nullptr;
}

std::int32_t SessionDbService::getScore() const {
    return getInt(SCORE);
}

std::int32_t SessionDbService::getHighScore() const {
    return getInt(HIGH_SCORE);
}

std::string SessionDbService::getPreviousName() const {
    return getString(PREVIOUS_NAME);
}

std::int32_t SessionDbService::getDestroyedSubs() const {
    return getInt(DESTROYED_SUBS);
}

std::int32_t SessionDbService::getChargesDropped() const {
    return getInt(CHARGES_DROPPED);
}

std::int32_t SessionDbService::getChargesDroppedThisLevel() const {
    return getInt(LEVEL_USED_CHARGES);
}

std::int32_t SessionDbService::getSonarsUsedThisLevel() const {
    return getInt(LEVEL_USED_SONARS);
}

std::int32_t SessionDbService::getHighestCombo() const {
    return getInt(HIGHEST_COMBO);
}

bool SessionDbService::playerWon() const {
    return static_cast<std::uint8_t>(getInt(PLAYER_WON)) != 0;
}

void SessionDbService::resetGameplayState() {
    setInt(PLAYER_WON, 0);
    setInt(HIGHEST_COMBO, 0);
    setInt(CHARGES_DROPPED, 0);
    setInt(DESTROYED_SUBS, 0);
    setInt(SCORE, 0);
}

void SessionDbService::resetCurrentLevelState() {
    setInt(LEVEL_DESTROYED_SUBS, 0);
    setInt(LEVEL_USED_CHARGES, 0);
    setInt(LEVEL_USED_SONARS, 0);
    setInt(LEVEL_DESTROYED_SUBS, 0);
    setInt(LEVEL_CURRENT_POWERUP, 0);
}

void SessionDbService::increaseScore(std::int32_t amount) {
    increaseField(SCORE, amount);
}

void SessionDbService::decreaseScore(std::int32_t amount) {
    decreaseField(SCORE, amount);
}

void SessionDbService::setScore(std::int32_t score) {
    setInt(SCORE, score);
}

void SessionDbService::setHighScore(std::int32_t score) {
    setInt(HIGH_SCORE, score);
}

void SessionDbService::increaseChargesDropped(std::uint8_t count) {
    increaseField(CHARGES_DROPPED, count);
    increaseField(LEVEL_USED_CHARGES, count);
}

void SessionDbService::increaseSonarsUsed(std::uint8_t count) {
    increaseField(LEVEL_USED_SONARS, count);
}

} // namespace tarvex
