// The position, motion, size, opacity and sprite of a visible game object. The position fields
// are the authority; the sprite (made by ResourceLoaderSystem from `sprite_name`) follows them
// only through move(), setX() and setY():
//
//     auto body = std::make_shared<BodyComponent>();
//     body->sprite_name = "depthrun.objects.mine";
//     body->x_pos = 40;
//     body->y_velocity = 20;   // pixels per second, applied by BodyMovementSystem
//
// Velocities are in pixels per second, accelerations and drags in pixels per second squared.
#pragma once

#include "entities/EntityComponent.hpp"
#include "graphics/ImageSprite.hpp"
#include "resources/ImageResource.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game {

class BodyComponent : public EntityComponent {
    TARVEX_OBJECT(BodyComponent, EntityComponent)
public:
    // Velocities and accelerations to 0.
    virtual void stop();
    // A sprite of the resource's image, frame 0, at (0, 0) until placed.
    virtual void setImage(const Ref<ImageResource>& imageResource);
    [[nodiscard]] virtual const Ref<graphics::ImageSprite>& getSprite() const { return _sprite; }
    // The sprite image's size; 0 without a sprite or image.
    [[nodiscard]] virtual std::int32_t getWidth() const;
    [[nodiscard]] virtual std::int32_t getHeight() const;
    // Moves the position and the sprite together.
    virtual void move(float dx, float dy);
    virtual void setX(float x);
    virtual void setY(float y);
    virtual void hide();

    // Called by the systems that own the sprite (loader and sweeper).
    void _setSprite(Ref<graphics::ImageSprite> sprite) { _sprite = std::move(sprite); }

    std::string sprite_name;
    std::string animation_name;
    std::string frameset_name;
    std::int32_t sprite_frame = 0;
    float sprite_alpha = 1.0F;
    float x_pos = 0;
    float y_pos = 0;
    float x_velocity = 0;
    float y_velocity = 0;
    float x_acceleration = 0;
    float y_acceleration = 0;
    float x_max_velocity = 0; // 0: no limit
    float y_max_velocity = 0;
    float x_drag = 0;
    float y_drag = 0; // stored; movement drags the horizontal velocity only
    std::string layer_name;

private:
    Ref<graphics::ImageSprite> _sprite;
    Ref<ImageResource> _image;
};

} // namespace tarvex::game
