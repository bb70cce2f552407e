// A sprite showing one frame of an image, optionally animated through the frame sets of an
// animation resource:
//
//     auto fish = ImageSprite::Create(fishStrip, 40, 120);
//     fish->setAnimation(fishAnimation);
//     fish->play("swim", 1.0F);
//     sprites->add(fish, "");          // each update advances the frames
//
// Sprites honour the camera unless they (or the caller) ignore it. A sprite without an image
// draws nothing.
#pragma once

#include "graphics/AbstractSpriteRequest.hpp"
#include "graphics/SpriteAnimationHandler.hpp"
#include "platform/Image.hpp"
#include "resources/AnimationResource.hpp"

namespace tarvex::graphics {

class ImageSprite : public AbstractSpriteRequest {
    TARVEX_OBJECT(ImageSprite, AbstractSpriteRequest)
public:
    ImageSprite();

    // The image with frame 0 at (x, y).
    [[nodiscard]] static Ref<ImageSprite> Create(Ref<platform::Image> image, std::int32_t x,
                                                 std::int32_t y);

    // True when no frame animation is running.
    [[nodiscard]] virtual bool isAnimationFinished() const;
    virtual ImageSprite& setImage(Ref<platform::Image> image, std::int32_t frame);
    virtual ImageSprite& setFrame(std::int32_t frame);
    virtual ImageSprite& setAnimation(Ref<AnimationResource> animation);
    virtual void stopAnimation();
    // Overrides the resource's time per frame for the animation playing.
    virtual void setFrameTime(std::int32_t milliseconds);

    [[nodiscard]] std::int32_t getFrame() const { return _frame; }
    [[nodiscard]] const Ref<platform::Image>& getImage() const { return _image; }
    [[nodiscard]] const Ref<AnimationResource>& getAnimation() const { return _animation; }
    [[nodiscard]] SpriteAnimationHandler& getAnimationRunner() const { return *_animationRunner; }

    // The speed is not used.
    void play(const std::string& name, float speed) override;
    void update(float delta) override;
    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

private:
    std::int32_t _frame = 0;
    Ref<platform::Image> _image;
    Ref<SpriteAnimationHandler> _animationRunner;
    Ref<AnimationResource> _animation;
};

} // namespace tarvex::graphics
