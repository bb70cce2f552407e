// The 2D drawing layer: a current-state machine over the open graphics context. Callers set
// colour, alpha, blend mode, rotation, scale, handle, origin, viewport and font, then draw
// images, rectangles and text in virtual units; every draw applies the state current at the
// time of the call.
//
//     auto& gfx = drawingLayer();
//     gfx.setVirtualResolution(224, 288);     // the 448x576 window shows 224x288 units
//     gfx.setBlend(BLEND_ALPHA);
//     gfx.setColor(255, 255, 0);
//     gfx.drawImage(*boat, 100, 60, 0);
//     gfx.present(0);
//
// Consecutive draws that share texture, blend mode and clip are collected and sent to OpenGL
// together; anything that changes those, reads pixels, clears or presents sends the collected
// draws first, so the result is the same as drawing one at a time. Draws are accepted and
// dropped while no context is open. Main thread only.
#pragma once

#include "platform/GraphicsContext.hpp"
#include "platform/Image.hpp"
#include "platform/ImageFont.hpp"
#include "platform/Pixmap.hpp"
#include "platform/SoftwareCanvas.hpp"

#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvex::platform {

enum BlendMode : int {
    BLEND_MASK = 1,  // pixels with alpha above 0.5 drawn opaque, the rest discarded
    BLEND_SOLID = 2, // copied, no blending
    BLEND_ALPHA = 3, // source x source alpha + destination x (1 - source alpha)
    BLEND_LIGHT = 4, // source x source alpha added to the destination
    BLEND_SHADE = 5, // destination multiplied by the source
};

// How frames are made. The compositor (the default) composes each frame on the CPU and shows
// it as one texture; the OpenGL renderer sends every draw through fixed-function OpenGL in
// batches. Both apply the same state and draw the same shapes.
enum Renderer : int {
    RENDERER_COMPOSITOR = 0,
    RENDERER_OPENGL = 1,
};

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Viewport&, const Viewport&) = default;
};

class DrawingLayer {
public:
    DrawingLayer();
    DrawingLayer(const DrawingLayer&) = delete;
    DrawingLayer& operator=(const DrawingLayer&) = delete;

    // The context draws go to; null detaches (textures of the old context are forgotten).
    void attach(GraphicsContext* context);
    [[nodiscard]] GraphicsContext* context() const { return _context; }
    // Called by every context as it is destroyed: when it is the attached one, the layer
    // detaches without calling it again (draws not yet sent are dropped with it).
    void contextDestroyed(const GraphicsContext* context);

    // Switching renderer starts from a cleared frame. The environment variable TARVEX_RENDERER
    // ("opengl" or "compositor") chooses the initial one.
    void setRenderer(Renderer renderer);
    [[nodiscard]] Renderer renderer() const { return _renderer; }

    // Window and virtual sizes. Until a virtual resolution is set, one unit is one pixel.
    void setVirtualResolution(float width, float height);
    [[nodiscard]] float virtualWidth() const { return _virtualWidth; }
    [[nodiscard]] float virtualHeight() const { return _virtualHeight; }
    [[nodiscard]] int windowWidth() const;
    [[nodiscard]] int windowHeight() const;
    [[nodiscard]] float virtualMouseX() const;
    [[nodiscard]] float virtualMouseY() const;

    // --- state ---
    void setClsColor(int r, int g, int b) { _clsColor = toRgb(r, g, b); }
    [[nodiscard]] Rgb clsColor() const { return _clsColor; }
    void setColor(int r, int g, int b) { _color = toRgb(r, g, b); }
    [[nodiscard]] Rgb color() const { return _color; }
    void setAlpha(float alpha) { _alpha = alpha; }
    [[nodiscard]] float alpha() const { return _alpha; }
    void setBlend(int mode) { _blend = mode; }
    [[nodiscard]] int blend() const { return _blend; }
    void setMaskColor(int r, int g, int b);
    [[nodiscard]] Rgb maskColor() const { return imageLoadSettings().mask; }
    void setImageFlags(int flags);
    [[nodiscard]] int imageFlags() const { return imageLoadSettings().flags; }
    // The flags and mask colour as they are now, both from one moment. Any thread may ask; a
    // loader takes them when it starts and hands them to every load.
    [[nodiscard]] ImageLoadSettings imageLoadSettings() const;
    void setRotation(float degrees);
    [[nodiscard]] float rotation() const { return _rotation; }
    void setScale(float x, float y) {
        _scaleX = x;
        _scaleY = y;
    }
    [[nodiscard]] float scaleX() const { return _scaleX; }
    [[nodiscard]] float scaleY() const { return _scaleY; }
    void setHandle(float x, float y) {
        _handleX = x;
        _handleY = y;
    }
    [[nodiscard]] float handleX() const { return _handleX; }
    [[nodiscard]] float handleY() const { return _handleY; }
    void setOrigin(float x, float y) {
        _originX = x;
        _originY = y;
    }
    [[nodiscard]] float originX() const { return _originX; }
    [[nodiscard]] float originY() const { return _originY; }
    // Clip rectangle in virtual units; draws and clears outside it leave the screen untouched.
    void setViewport(int x, int y, int width, int height);
    [[nodiscard]] Viewport viewport() const { return _viewport; }
    void setFont(Ref<ImageFont> font) { _font = std::move(font); }
    [[nodiscard]] const Ref<ImageFont>& font() const { return _font; }

    // --- loading, with the current image flags and mask colour ---
    [[nodiscard]] Ref<Image> loadImage(const std::string& url) const;
    [[nodiscard]] Ref<Image> loadAnimImage(const std::string& url, int cellWidth, int cellHeight,
                                           int first, int count) const;
    // The same with flags and mask taken earlier (the way a loading thread loads).
    [[nodiscard]] static Ref<Image> loadImage(const std::string& url,
                                              const ImageLoadSettings& settings);
    [[nodiscard]] static Ref<Image> loadAnimImage(const std::string& url, int cellWidth,
                                                  int cellHeight, int first, int count,
                                                  const ImageLoadSettings& settings);
    [[nodiscard]] static Ref<ImageFont> loadFont(const std::string& url, int size, int style);

    // --- drawing ---
    // Fills the viewport with the clear colour.
    void cls();
    // One frame of the image with its top-left at (x, y) minus the handle (the image's own
    // handle plus the current one), scaled and rotated about the handle.
    void drawImage(const Image& image, float x, float y, int frame = 0);
    // A filled rectangle in the current colour, alpha and blend, scaled from its top-left.
    void drawRect(float x, float y, float width, float height);
    // One line in the current font; (x, y) is the top-left of the line (less the handle).
    void drawText(std::string_view text, float x, float y);
    [[nodiscard]] int textWidth(std::string_view text) const;
    [[nodiscard]] int textHeight(std::string_view text) const;

    // Sends the collected draws and shows the back buffer.
    void present(int sync);
    // Sends the collected draws to the context.
    void flush();
    // Window pixels of the back buffer, rows top to bottom (for tests and screenshots).
    [[nodiscard]] Pixmap readPixels(int x, int y, int width, int height);

private:
    struct Vertex {
        float x, y, u, v;
        std::uint32_t color;
    };
    struct BatchKey {
        std::uint32_t texture = 0;
        int blend = BLEND_MASK;
        friend bool operator==(const BatchKey&, const BatchKey&) = default;
    };

    static Rgb toRgb(int r, int g, int b);
    [[nodiscard]] bool _compositing() const { return _renderer == RENDERER_COMPOSITOR; }
    // Starts a draw with this texture (null: plain colour); answers the factors that turn texel
    // positions into the renderer's texture coordinates.
    void _beginDraw(const Image* image, float& su, float& sv);
    void _endDraw();
    [[nodiscard]] ClipRect _windowClip() const;
    void _compose();
    [[nodiscard]] bool _drawing() const { return _context != nullptr; }
    [[nodiscard]] bool _openGl() const { return _context != nullptr && _context->isOpenGL(); }
    std::uint32_t _textureOf(const Image& image);
    void _begin(std::uint32_t texture);
    void _applyClip();
    void _applyBlend(int mode);
    void _quad(float left, float top, float right, float bottom, float u0, float v0, float u1,
               float v1, float x, float y, std::uint32_t color);
    [[nodiscard]] std::uint32_t _vertexColor() const;
    void _deleteReleasedTextures();

    GraphicsContext* _context = nullptr;
    Renderer _renderer = RENDERER_COMPOSITOR;
    std::uint64_t _generation = 0;
    float _virtualWidth = 0;
    float _virtualHeight = 0;

    Rgb _clsColor{0, 0, 0};
    Rgb _color{255, 255, 255};
    float _alpha = 1.0f;
    int _blend = BLEND_MASK;
    // Image flags (high half) and mask colour (r, g, b in the low three bytes) in one word: the
    // only state a loading thread reads, and read whole.
    std::atomic<std::uint64_t> _loadSettings{static_cast<std::uint64_t>(IMAGE_FILTERED) << 32U};
    float _rotation = 0;
    float _cos = 1;
    float _sin = 0;
    float _scaleX = 1;
    float _scaleY = 1;
    float _handleX = 0;
    float _handleY = 0;
    float _originX = 0;
    float _originY = 0;
    Viewport _viewport;
    Ref<ImageFont> _font;

    // Collected draws and the GL state they need.
    std::vector<Vertex> _vertices;
    BatchKey _batch;
    bool _batchOpen = false;
    Viewport _glClip{-1, -1, -1, -1};
    int _glBlend = -1;
    std::uint32_t _glTexture = UINT32_MAX; // bound texture
    bool _glTextured = false;              // GL_TEXTURE_2D enabled

    // The compositor's frame, the image of the draw in progress and the texture it is shown by.
    SoftwareCanvas _canvas;
    const Image* _drawImage = nullptr;
    std::uint32_t _frameTexture = 0;
};

[[nodiscard]] DrawingLayer& drawingLayer();

// Called when an image holding a texture dies (on any thread); the texture is deleted on the
// main thread at the next present.
void releaseTexture(const TextureSlot& slot);

} // namespace tarvex::platform
