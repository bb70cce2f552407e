// A filled rectangle with an optional border of a given thickness on any of its four sides.
// The background sits inside the border; a rounded border leaves the corner squares out.
//
//     auto box = RectangleRenderRequest::Create(10, 10, 100, 40);   // no border yet
//     box->setBackgroundColor(0, 0, 64).setBorderColor(255, 255, 255);
//     box->setBorderThickness(2).showBorder();
//
// Rectangles honour the camera unless they (or the caller) ignore it.
#pragma once

#include "graphics/AbstractSpriteRequest.hpp"

namespace tarvex::graphics {

class RectangleRenderRequest : public AbstractSpriteRequest {
    TARVEX_OBJECT(RectangleRenderRequest, AbstractSpriteRequest)
public:
    static constexpr std::uint8_t BORDER_TOP = 1;
    static constexpr std::uint8_t BORDER_RIGHT = 2;
    static constexpr std::uint8_t BORDER_BOTTOM = 4;
    static constexpr std::uint8_t BORDER_LEFT = 8;

    RectangleRenderRequest() = default;

    // Position and size, with the border hidden.
    [[nodiscard]] static Ref<RectangleRenderRequest> Create(float x, float y, std::int32_t w,
                                                            std::int32_t h);

    virtual RectangleRenderRequest& hideBorder();
    virtual RectangleRenderRequest& showBorder();
    virtual RectangleRenderRequest& setBorderThickness(std::uint8_t thickness);
    // A bit set of BORDER_TOP, BORDER_RIGHT, BORDER_BOTTOM and BORDER_LEFT.
    virtual RectangleRenderRequest& setBorderVisibility(std::uint8_t sides);
    virtual RectangleRenderRequest& hideBackground();
    virtual RectangleRenderRequest& showBackground();
    virtual RectangleRenderRequest& setDimensions(float width, float height);
    virtual RectangleRenderRequest& setBorderColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    virtual RectangleRenderRequest& setBackgroundColor(std::uint8_t r, std::uint8_t g,
                                                       std::uint8_t b);
    virtual RectangleRenderRequest& setBorderAlpha(float alpha);
    virtual RectangleRenderRequest& setBackgroundAlpha(float alpha);
    virtual RectangleRenderRequest& setBorderRounding(bool rounded);
    virtual void renderBackground(const AbstractRenderCamera* camera, std::int32_t ignoreCamera);
    virtual void renderBorder(const AbstractRenderCamera* camera, std::int32_t ignoreCamera);

    [[nodiscard]] float getWidth() const { return _width; }
    [[nodiscard]] float getHeight() const { return _height; }
    [[nodiscard]] float getBackgroundAlpha() const { return _backgroundAlpha; }
    [[nodiscard]] bool isBorderShown() const { return _showBorder; }
    [[nodiscard]] bool isBackgroundShown() const { return _showBackground; }

    // Hiding also hides border and background; showing shows both.
    void hide() override;
    void show() override;
    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

protected:
    // The background's box: camera-adjusted position, truncated size, inside the border.
    void _innerBox(const AbstractRenderCamera* camera, std::int32_t ignoreCamera, float& x,
                   float& y, float& w, float& h) const;

    float _width = 0;
    float _height = 0;
    std::int32_t _borderColor = 0;
    std::uint8_t _borderThickness = 0;
    float _borderAlpha = 1.0F;
    std::uint8_t _borderVisibility = BORDER_TOP | BORDER_RIGHT | BORDER_BOTTOM | BORDER_LEFT;
    float _backgroundAlpha = 1.0F;
    std::int32_t _backgroundColor = 0;
    bool _showBorder = true;
    bool _showBackground = true;
    bool _roundedBorder = false;
};

// A rectangle with a bar inside it filled to a fraction of its width (the loading bar):
//
//     auto bar = ProgressBarRenderRequest::Create(32, 200, 160, 8);
//     bar->setBarColor(255, 200, 0).setMaxValue(7);
//     bar->setCurrentValue(loaded);                // fills loaded / 7 of the width
class ProgressBarRenderRequest : public RectangleRenderRequest {
    TARVEX_OBJECT(ProgressBarRenderRequest, RectangleRenderRequest)
public:
    ProgressBarRenderRequest() = default;

    // Position and size, with the border hidden.
    [[nodiscard]] static Ref<ProgressBarRenderRequest> Create(float x, float y, std::int32_t w,
                                                              std::int32_t h);

    virtual ProgressBarRenderRequest& setPadding(std::int32_t padding);
    virtual ProgressBarRenderRequest& setBarColor(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    virtual ProgressBarRenderRequest& setBarAlpha(float alpha);
    // The filled fraction, 0 to 1.
    virtual ProgressBarRenderRequest& setPercentage(float fraction);
    virtual ProgressBarRenderRequest& setMaxValue(float value);
    virtual ProgressBarRenderRequest& setCurrentValue(float value);
    virtual void updatePercentage();
    virtual void renderBar(const AbstractRenderCamera* camera, std::int32_t ignoreCamera);

    [[nodiscard]] float getPercentage() const { return _percentage; }

    void hide() override;
    void show() override;
    void render(double tween, const AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

private:
    float _barAlpha = 1.0F;
    std::int32_t _barColor = 0;
    float _percentage = 0;
    std::int32_t _padding = 0;
    float _maxValue = 0;
    float _currentValue = 0;
};

} // namespace tarvex::graphics
