#include "game/systems/BodyMotion.hpp"

#include <cmath>

namespace tarvex::game {

namespace {

// Both body kinds have the same motion fields and a move() that carries what they draw along.
template <class Body> void advance(Body& body, float dt) {
    body.x_velocity += body.x_acceleration / 1000 * dt;
    body.y_velocity += body.y_acceleration / 1000 * dt;
    body.x_velocity = clampVelocity(body.x_velocity, body.x_max_velocity);
    body.y_velocity = clampVelocity(body.y_velocity, body.y_max_velocity);
    if (body.x_acceleration == 0 && body.x_drag != 0) {
        // Drag slows the body down to rest and never pushes it the other way.
        const float drag = body.x_drag / 1000 * dt;
        if (body.x_velocity - drag > 0) {
            body.x_velocity -= drag;
        } else if (body.x_velocity + drag >= 0) {
            body.x_velocity = 0;
        } else {
            body.x_velocity += drag;
        }
    }
    body.move(body.x_velocity / 1000 * dt, body.y_velocity / 1000 * dt);
}

} // namespace

float clampVelocity(float v, float max) {
    if (max == 0 || std::fabs(v) <= max) {
        return v;
    }
    return v >= 0 ? max : -max;
}

void advanceBody(BodyComponent& body, float dt) {
    advance(body, dt);
}

void advanceBody(TextBodyComponent& body, float dt) {
    advance(body, dt);
}

} // namespace tarvex::game
