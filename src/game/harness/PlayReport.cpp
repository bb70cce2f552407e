#include "game/harness/PlayReport.hpp"

#include "entities/EntityManager.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/screens/GameplayScreen.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace tarvex::game::harness {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escape.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// Fixed precision, so that the text does not depend on how a float happens to print.
std::string decimal(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%.3f", static_cast<double>(value));
    return text.data();
}

const char* stateName(std::uint8_t state) {
    switch (state) {
    case GameplayScreen::STATE_LEVEL_START:
        return "level_start";
    case GameplayScreen::STATE_PLAYING:
        return "playing";
    case GameplayScreen::STATE_LEVEL_OVER:
        return "level_over";
    case GameplayScreen::STATE_LEVEL_FAILED:
        return "level_failed";
    case GameplayScreen::STATE_DEAD:
        return "dead";
    case GameplayScreen::STATE_GAME_OVER:
        return "game_over";
    default:
        return "none";
    }
}

template <class Map> void writeCounts(std::ostringstream& out, const Map& counts) {
    out << "{";
    bool first = true;
    for (const auto& [name, count] : counts) {
        out << (first ? "" : ", ") << quoted(name) << ": " << count;
        first = false;
    }
    out << "}";
}

} // namespace

std::string playReport(const GameRunner& runner, std::int64_t frames) {
    auto& game = runner.game();
    std::ostringstream out;
    out << "{\n  \"frames\": " << frames << ",\n";
    out << "  \"exit_status\": "
        << (runner.exitStatus() ? std::to_string(*runner.exitStatus()) : "null") << ",\n";

    out << "  \"screens\": [";
    bool first = true;
    for (const auto& name : runner.screenNames()) {
        out << (first ? "" : ", ") << quoted(name);
        first = false;
    }
    out << "],\n";

    const auto& session = game.getSessionDbService();
    const auto level = session->getCurrentLevel<GameLevelResource>();
    out << "  \"session\": {\n"
        << "    \"score\": " << session->getScore() << ",\n"
        << "    \"high_score\": " << session->getHighScore() << ",\n"
        << "    \"destroyed_subs\": " << session->getDestroyedSubs() << ",\n"
        << "    \"charges_dropped\": " << session->getChargesDropped() << ",\n"
        << "    \"highest_combo\": " << session->getHighestCombo() << ",\n"
        << "    \"current_level\": "
        << (level
                ? quoted(GameplayScreen::levelId(level->getLevelNumber(), level->getStageNumber()))
                : "null")
        << ",\n"
        << "    \"player_won\": " << (session->playerWon() ? "true" : "false") << ",\n"
        << "    \"level\": {\"destroyed_subs\": " << session->getInt("current_level.destroyed_subs")
        << ", \"used_charges\": " << session->getInt("current_level.used_charges")
        << ", \"charges_dropped\": " << session->getChargesDroppedThisLevel()
        << ", \"used_sonars\": " << session->getSonarsUsedThisLevel() << "}\n  },\n";

    const auto gameplay = runner.findScreen<GameplayScreen>();
    if (gameplay) {
        out << "  \"gameplay\": {\"state\": " << quoted(stateName(gameplay->getState()))
            << ", \"countdown_ms\": " << decimal(gameplay->getTimer().getTime())
            << ", \"countdown_running\": " << (gameplay->getTimer().isRunning() ? "true" : "false")
            << "},\n";
    } else {
        out << "  \"gameplay\": null,\n";
    }

    std::map<std::string, int> groups;
    std::map<std::string, int> tags;
    int total = 0;
    const World* world = game.getEntityService() ? game.getEntityService()->getWorld() : nullptr;
    const Entity* player = nullptr;
    if (world != nullptr) {
        const auto& active = world->getEntityManager()->getActiveEntities();
        for (std::int32_t i = 0; i < active.getSize(); ++i) {
            const Entity* entity = active.get(i).get();
            if (entity == nullptr) {
                continue;
            }
            ++total;
            const auto& group = world->getGroupManager()->getGroupOf(entity);
            if (!group.empty()) {
                ++groups[group];
            }
            const auto& tag = world->getTagManager()->getEntityTag(entity);
            if (!tag.empty()) {
                ++tags[tag];
            }
        }
        player = world->getTagManager()->getEntity("player");
    }
    out << "  \"entities\": {\"total\": " << total << ", \"groups\": ";
    writeCounts(out, groups);
    out << ", \"tags\": ";
    writeCounts(out, tags);
    out << "},\n";

    const auto* health = player != nullptr ? player->getComponentAs<HealthComponent>() : nullptr;
    const auto* body = player != nullptr ? player->getComponentAs<BodyComponent>() : nullptr;
    if (health != nullptr) {
        out << "  \"player\": {\"health\": " << decimal(health->current_health)
            << ", \"max_health\": " << decimal(health->max_health);
        if (body != nullptr) {
            out << ", \"x\": " << decimal(body->x_pos) << ", \"y\": " << decimal(body->y_pos);
        }
        out << "}\n";
    } else {
        out << "  \"player\": null\n";
    }
    out << "}\n";
    return out.str();
}

} // namespace tarvex::game::harness
