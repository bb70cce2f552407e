// The virtual screen every other part of the game draws in. The whole window shows
// `_width` x `_height` units (each axis scaled on its own, no borders); with the game's
// 224 x 288 units in a 448 x 576 window one unit is exactly two pixels.
//
//     VirtualScreenResolution::getInstance()->getMouseX();   // pointer in units
#pragma once

#include "core/Object.hpp"

namespace tarvex::graphics {

class VirtualScreenResolution : public Object {
    TARVEX_OBJECT(VirtualScreenResolution, Object)
public:
    [[nodiscard]] static Ref<VirtualScreenResolution> getInstance();

    [[nodiscard]] float getWidth() const { return _width; }
    [[nodiscard]] float getHeight() const { return _height; }
    // The pointer in units while enabled; in window pixels otherwise.
    [[nodiscard]] float getMouseX() const;
    [[nodiscard]] float getMouseY() const;
    // Puts the virtual resolution into force on the drawing layer and sets the viewport to the
    // whole virtual screen (the whole window when disabled).
    void start();

    // Set by the graphics set-up (TarvexGfx::initGraphics).
    void setDimensions(float width, float height) {
        _width = width;
        _height = height;
    }
    [[nodiscard]] bool isEnabled() const { return _isEnabled; }
    void setEnabled(bool enabled) { _isEnabled = enabled; }

private:
    float _width = 320.0f;
    float _height = 240.0f;
    bool _stretchDisplay = false;
    bool _isEnabled = true;
};

} // namespace tarvex::graphics
