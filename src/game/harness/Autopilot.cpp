#include "game/harness/Autopilot.hpp"

#include "entities/EntityManager.hpp"
#include "game/SeaSurface.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/screens/GameplayScreen.hpp"
#include "platform/Input.hpp"
#include "platform/LoopPlatform.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace tarvex::game::harness {

namespace {

constexpr float SCREEN_WIDTH = 224;
// A charge sinks from rest at 9.8 pixels per second squared, up to 98 pixels per second.
constexpr float CHARGE_GRAVITY = 9.8F;
constexpr float CHARGE_TOP_SPEED = 98;
// Fainter than this, a submarine is lost in the water.
constexpr float SEEN_ALPHA = 0.15F;
// The boat's top speed (pixels per second).
constexpr float BOAT_TOP_SPEED = 25;
// Motion is measured over at least this long before a submarine is aimed at.
constexpr std::int64_t MEASURE_MS = 150;

float fallTime(float depth) {
    if (depth <= 0) {
        return 0;
    }
    const float accelerating = CHARGE_TOP_SPEED / CHARGE_GRAVITY;
    const float accelerationDepth = CHARGE_GRAVITY * accelerating * accelerating / 2;
    if (depth <= accelerationDepth) {
        return std::sqrt(2 * depth / CHARGE_GRAVITY);
    }
    return accelerating + (depth - accelerationDepth) / CHARGE_TOP_SPEED;
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.rfind(prefix, 0) == 0;
}

} // namespace

void Autopilot::_hold(int code, bool down) {
    bool& held = _held[code];
    if (held == down) {
        return;
    }
    held = down;
    if (down) {
        platform::deliverKeyDown(code);
    } else {
        platform::deliverKeyUp(code);
    }
}

void Autopilot::_tap(int code) {
    platform::deliverKeyDown(code);
    platform::deliverKeyUp(code);
}

float Autopilot::_aimFor(const Sighting& submarine, const Sighting& boat) const {
    const float chargeTop = boat.y + boat.height - 4;
    const float depth = submarine.y + submarine.height / 2 - chargeTop;
    // One frame passes before the charge is in the water.
    const float time = fallTime(depth) + 1.0F / 60;
    const float centre = submarine.x + submarine.width / 2 + submarine.xSpeed * time;
    if (centre < submarine.width / 2 || centre > SCREEN_WIDTH - submarine.width / 2) {
        return -1; // it will have left the screen
    }
    // The charge drops from the boat's middle, less 5 pixels.
    const float aim = centre - (std::floor(boat.width / 2) - 5);
    return std::clamp(aim, 0.0F, SCREEN_WIDTH - boat.width);
}

void Autopilot::beforeFrame(std::int64_t frame) {
    const auto gameplay = _runner.findScreen<GameplayScreen>();
    const auto screens = _runner.screenNames();
    const bool playing = gameplay && gameplay->getState() == GameplayScreen::STATE_PLAYING &&
                         !screens.empty() && screens.back() == "GameplayScreen";
    if (!playing) {
        _hold(platform::KEY_LEFT, false);
        _hold(platform::KEY_RIGHT, false);
        _chargeDropped = false;
        _chargeSeen = false;
        _tracks.clear();
        return;
    }
    auto& game = _runner.game();
    const World* world = game.getEntityService()->getWorld();
    const std::int64_t now = platform::loopPlatform().milliseconds();

    // --- what is on screen ---
    std::optional<Sighting> boat;
    std::vector<Sighting> submarines;
    std::vector<Sighting> dangers; // mines and missiles
    std::optional<Sighting> charge;
    bool sonarOnScreen = false;
    std::set<std::int64_t> seen;
    const auto& active = world->getEntityManager()->getActiveEntities();
    for (std::int32_t i = 0; i < active.getSize(); ++i) {
        const Entity* entity = active.get(i).get();
        const auto* body = entity != nullptr ? entity->getComponentAs<BodyComponent>() : nullptr;
        if (body == nullptr || !body->getSprite() || !body->getSprite()->isVisible()) {
            continue;
        }
        const std::string& look = body->sprite_name;
        Sighting sighting{body->x_pos, body->y_pos, static_cast<float>(body->getWidth()),
                          static_cast<float>(body->getHeight())};
        const std::int64_t id = entity->getId();
        seen.insert(id);
        auto [track, fresh] = _tracks.try_emplace(id, Track{sighting.x, sighting.y, now});
        const std::int64_t measured = now - track->second.time;
        if (!fresh && measured >= MEASURE_MS) {
            const float dx = sighting.x - track->second.x;
            const float dy = sighting.y - track->second.y;
            if (std::abs(dx) > 30 || std::abs(dy) > 30) {
                track->second = Track{sighting.x, sighting.y, now}; // wrapped round
            } else {
                track->second.xSpeed = dx * 1000 / static_cast<float>(measured);
                track->second.ySpeed = dy * 1000 / static_cast<float>(measured);
                track->second.x = sighting.x;
                track->second.y = sighting.y;
                track->second.time = now;
            }
        }
        sighting.xSpeed = track->second.xSpeed;
        sighting.ySpeed = track->second.ySpeed;
        const bool measuredOnce = track->second.xSpeed != 0 || track->second.ySpeed != 0;

        if (entity->getTag() == "player") {
            boat = sighting;
        } else if (startsWith(look, "depthrun.objects.submarine")) {
            const bool sinking = sighting.ySpeed > 1;
            if (body->getSprite()->getAlpha() >= SEEN_ALPHA && !sinking && measuredOnce) {
                submarines.push_back(sighting);
            }
        } else if (look == "depthrun.objects.depth_charge") {
            charge = sighting;
        } else if (look == "depthrun.objects.mine" || look == "depthrun.objects.missile") {
            dangers.push_back(sighting);
        } else if (entity->getTag() == "sonar_wave") {
            sonarOnScreen = true;
        }
    }
    std::erase_if(_tracks, [&seen](const auto& entry) { return !seen.contains(entry.first); });
    if (!boat) {
        _hold(platform::KEY_LEFT, false);
        _hold(platform::KEY_RIGHT, false);
        return;
    }

    // --- the head-up display ---
    const auto& session = game.getSessionDbService();
    const auto level = session->getCurrentLevel<GameLevelResource>();
    const int totalCharges = level ? level->getTotalCharges() : 0;
    const int totalSonars = level ? level->getTotalSonars() : 0;
    const bool chargesLeft =
        totalCharges == 0 || session->getChargesDroppedThisLevel() < totalCharges;
    const bool sonarLeft = totalSonars > 0 && session->getSonarsUsedThisLevel() < totalSonars;

    // One Space per frame: the game counts several presses between two frames as one.
    const auto canPress = [&] { return frame > _lastPress; };
    const auto pressSpace = [&] {
        _tap(platform::KEY_SPACE);
        _lastPress = frame;
    };

    // --- the charge in the water ---
    if (_chargeDropped) {
        if (charge) {
            _chargeSeen = true;
            bool hit = false;
            bool anyBelow = false;
            for (const auto& sub : submarines) {
                if (charge->x > sub.x + 1 && charge->x < sub.x + sub.width - 1 &&
                    charge->y > sub.y + 1 && charge->y < sub.y + sub.height + 2) {
                    hit = true;
                }
                if (sub.y + sub.height + 4 > charge->y) {
                    anyBelow = true;
                }
            }
            // Detonated over a target, or early once nothing is left below it.
            if (canPress() && (hit || !anyBelow)) {
                pressSpace();
                _chargeDropped = false;
                _chargeSeen = false;
            }
        } else if (_chargeSeen && canPress()) {
            // It went off on the sea floor: the next press only readies a new charge.
            pressSpace();
            _chargeDropped = false;
            _chargeSeen = false;
        }
    }

    // --- where to go ---
    std::optional<float> aim;
    float tolerance = 0;
    if (!_chargeDropped && chargesLeft) {
        float best = 1e9F;
        for (const auto& sub : submarines) {
            const float target = _aimFor(sub, *boat);
            if (target < 0) {
                continue;
            }
            const float distance = std::abs(target - boat->x);
            if (distance < best) {
                best = distance;
                aim = target;
                tolerance = std::max(3.0F, sub.width / 2 - 7);
            }
        }
    }
    if (!aim && sonarLeft && !sonarOnScreen && submarines.empty() && !_chargeDropped) {
        _tap(platform::KEY_S);
    }

    // Dangers: floating or falling mines, and missiles on their way up, with a margin.
    std::vector<std::pair<float, float>> zones;
    for (const auto& danger : dangers) {
        const bool rising = danger.ySpeed < 0;
        const float toSurface = rising ? (danger.y - SEA_SURFACE_Y) / -danger.ySpeed : 0;
        if (rising && toSurface > 4) {
            continue;
        }
        zones.emplace_back(danger.x - 10, danger.x + danger.width + 10);
    }
    const auto inDanger = [&](float x) {
        for (const auto& [left, right] : zones) {
            if (x + boat->width > left && x < right) {
                return true;
            }
        }
        return false;
    };
    float goal = aim.value_or(boat->x);
    if (inDanger(goal) || inDanger(boat->x)) {
        // The nearest place clear of every danger.
        float bestPlace = goal;
        float bestDistance = 1e9F;
        for (float x = 0; x <= SCREEN_WIDTH - boat->width; x += 2) {
            if (!inDanger(x) && std::abs(x - goal) < bestDistance) {
                bestDistance = std::abs(x - goal);
                bestPlace = x;
            }
        }
        if (bestPlace != goal) {
            aim.reset();
        }
        goal = bestPlace;
    }

    // --- steering: a wanted speed towards the goal, held or braked with the arrows ---
    const float wanted = std::clamp((goal - boat->x) * 1.5F, -BOAT_TOP_SPEED, BOAT_TOP_SPEED);
    const bool right = boat->xSpeed < wanted - 2;
    const bool left = boat->xSpeed > wanted + 2;
    _hold(platform::KEY_LEFT, left);
    _hold(platform::KEY_RIGHT, right && !left);

    if (aim && std::abs(*aim - boat->x) <= tolerance && !_chargeDropped && canPress()) {
        pressSpace();
        _chargeDropped = true;
        _chargeSeen = false;
    }
}

} // namespace tarvex::game::harness
