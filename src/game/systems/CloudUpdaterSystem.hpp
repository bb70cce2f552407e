// Wraps clouds that drift off the left edge back in on the right. Its behaviour is still to come:
// for now it only takes its place in the gameplay screen's system order.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class CloudUpdaterSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(CloudUpdaterSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& /*entity*/) override {}
};

} // namespace tarvex::game
