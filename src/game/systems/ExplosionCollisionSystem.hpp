// What explosion pieces hit. Every step, each piece tests its top-left corner against the
// bodies around it: pieces that hurt enemies destroy the submarines they touch (scoring by
// depth, with a score label, and sinking them) and remove missiles; pieces that hurt the boat
// cost it one health point, then leave it immune for a second; every piece, harmless or not,
// kills fish, which costs score. A piece goes when its animation ends.
//
// It also keeps the game's best combo: the most submarines destroyed by one depth charge's
// blast, in the session's "highest_combo".
#pragma once

#include "entities/EntityProcessingSystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "resources/ResourceService.hpp"
#include "session/SessionDbService.hpp"

#include <map>
#include <string>

namespace tarvex::game {

class BodyComponent;

class ExplosionCollisionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ExplosionCollisionSystem, EntityProcessingSystem)
public:
    // Submarines deeper than these score more.
    static constexpr float DEEP_BAND = 230;
    static constexpr float MIDDLE_BAND = 135;
    static constexpr float IMMUNITY = 1000; // ms without damage after a hit on the boat
    static constexpr std::int32_t FISH_PENALTY = 250;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;
    virtual void handlePlayerCollisions(const BodyComponent* body);
    virtual void handleEnemyCollisions(const BodyComponent* body);
    virtual void handleSubmarineCollisions(const BodyComponent* body);
    virtual void handleMissileCollisions(const BodyComponent* body);
    virtual void handleFishCollisions(const BodyComponent* body);
    // True when a's top-left corner lies strictly inside b's sprite rectangle.
    [[nodiscard]] virtual bool bodyOverlaps(const BodyComponent* a, const BodyComponent* b) const;
    // A rising score label centred near (x, y); dark red for penalties.
    virtual void makeFlyoff(const std::string& text, float x, float y, bool flag);

private:
    // Counts a submarine destroyed by the blast of one charge and raises the best combo.
    void _countForCombo(std::int64_t blast);

    Ref<ResourceService> _resourceDb;
    Ref<SessionDbService> _sessionDb;
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<ComponentType> _damageLookup;
    Ref<ComponentType> _missileLookup;
    Ref<ComponentType> _submarineLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _healthLookup;
    Ref<ComponentType> _fishLookup;
    Ref<ComponentType> _explosionLookup;
    Ref<ComponentType> _destroyedLookup;
    Ref<ComponentType> _particlesLookup;

    // The blast being handled this call (0: a piece of no charge's blast).
    std::int64_t _currentBlast = 0;
    // Submarines destroyed per recent blast, by the charge's unique id; only the latest few
    // blasts can still be on screen.
    std::map<std::int64_t, std::int32_t> _blastKills;
};

} // namespace tarvex::game
