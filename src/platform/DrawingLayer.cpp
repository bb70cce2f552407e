#include "platform/DrawingLayer.hpp"

#include "platform/Input.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <numbers>
#include <string_view>

namespace tarvex::platform {
namespace {

// Enough for a few thousand sprites per draw call; larger runs are sent in several calls.
constexpr std::size_t MAX_BATCH_VERTICES = std::size_t{4} * 8192;
constexpr std::uint32_t WHITE_VERTEX = 0xffffffffu;

struct ReleasedTextures {
    std::mutex mutex;
    std::vector<TextureSlot> slots;
};

// Process-wide objects that images and windows still reach while static objects are being
// destroyed at exit are created once and never destroyed.
ReleasedTextures& released() {
    static auto* instance = new ReleasedTextures;
    return *instance;
}

} // namespace

void releaseTexture(const TextureSlot& slot) {
    auto& queue = released();
    const std::scoped_lock lock(queue.mutex);
    queue.slots.push_back(slot);
}

DrawingLayer& drawingLayer() {
    static auto* instance = new DrawingLayer;
    return *instance;
}

DrawingLayer::DrawingLayer() {
    _vertices.reserve(MAX_BATCH_VERTICES);
    if (const char* choice = std::getenv("TARVEX_RENDERER"); choice != nullptr) {
        _renderer = std::string_view(choice) == "opengl" ? RENDERER_OPENGL : RENDERER_COMPOSITOR;
    }
}

void DrawingLayer::setRenderer(Renderer renderer) {
    if (renderer == _renderer ||
        (renderer == RENDERER_OPENGL && _context != nullptr && !_openGl())) {
        return;
    }
    flush();
    _renderer = renderer;
    _canvas.clear(rgba(0, 0, 0, 255), {0, 0, _canvas.width(), _canvas.height()});
    if (_openGl()) {
        _glClip = {-1, -1, -1, -1};
        glDisable(GL_SCISSOR_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
}

Rgb DrawingLayer::toRgb(int r, int g, int b) {
    return {static_cast<std::uint8_t>(std::clamp(r, 0, 255)),
            static_cast<std::uint8_t>(std::clamp(g, 0, 255)),
            static_cast<std::uint8_t>(std::clamp(b, 0, 255))};
}

// --- context and resolution ------------------------------------------------------------------

void DrawingLayer::contextDestroyed(const GraphicsContext* context) {
    if (context == nullptr || context != _context) {
        return;
    }
    _vertices.clear(); // nothing left to flush into the dying context
    attach(nullptr);
}

void DrawingLayer::attach(GraphicsContext* context) {
    if (context == _context) {
        return;
    }
    if (_context != nullptr) {
        flush();
    }
    _vertices.clear();
    _batchOpen = false;
    _context = context;
    ++_generation;
    _glClip = {-1, -1, -1, -1};
    _glBlend = -1;
    _glTexture = UINT32_MAX;
    _glTextured = false;
    _frameTexture = 0;
    if (_context == nullptr) {
        return;
    }
    _context->makeCurrent();
    _canvas.resize(_context->width(), _context->height());
    if (!_context->isOpenGL()) {
        _renderer = RENDERER_COMPOSITOR;
        return;
    }
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // "Alpha above one half" on byte alphas is alpha >= 128. Said this way, the comparison
    // gives the same answer whether the rasteriser compares bytes or floats.
    glAlphaFunc(GL_GEQUAL, 128.0f / 255.0f);
    glDisable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    setVirtualResolution(_virtualWidth, _virtualHeight);
}

int DrawingLayer::windowWidth() const {
    return _context != nullptr ? _context->width() : 0;
}
int DrawingLayer::windowHeight() const {
    return _context != nullptr ? _context->height() : 0;
}

void DrawingLayer::setVirtualResolution(float width, float height) {
    flush();
    _virtualWidth = width;
    _virtualHeight = height;
    if (!_openGl()) {
        return;
    }
    const float w = width > 0 ? width : static_cast<float>(windowWidth());
    const float h = height > 0 ? height : static_cast<float>(windowHeight());
    glViewport(0, 0, windowWidth(), windowHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    _glClip = {-1, -1, -1, -1};
}

float DrawingLayer::virtualMouseX() const {
    const int window = windowWidth();
    if (window <= 0 || _virtualWidth <= 0) {
        return static_cast<float>(mouse().x());
    }
    return static_cast<float>(mouse().x()) * _virtualWidth / static_cast<float>(window);
}

float DrawingLayer::virtualMouseY() const {
    const int window = windowHeight();
    if (window <= 0 || _virtualHeight <= 0) {
        return static_cast<float>(mouse().y());
    }
    return static_cast<float>(mouse().y()) * _virtualHeight / static_cast<float>(window);
}

// --- state -----------------------------------------------------------------------------------

void DrawingLayer::setRotation(float degrees) {
    _rotation = degrees;
    const double radians = static_cast<double>(degrees) * std::numbers::pi / 180.0;
    _cos = static_cast<float>(std::cos(radians));
    _sin = static_cast<float>(std::sin(radians));
}

void DrawingLayer::setViewport(int x, int y, int width, int height) {
    const Viewport next{x, y, width, height};
    if (next != _viewport) {
        flush();
        _viewport = next;
    }
}

std::uint32_t DrawingLayer::_vertexColor() const {
    const auto a = static_cast<std::uint8_t>(std::lround(std::clamp(_alpha, 0.0f, 1.0f) * 255.0f));
    return rgba(_color.r, _color.g, _color.b, a);
}

// --- loading ---------------------------------------------------------------------------------

namespace {

constexpr std::uint64_t MASK_BITS = 0xFFFFFFU;

std::uint64_t packMask(Rgb mask) {
    return (static_cast<std::uint64_t>(mask.r) << 16U) |
           (static_cast<std::uint64_t>(mask.g) << 8U) | mask.b;
}

} // namespace

void DrawingLayer::setMaskColor(int r, int g, int b) {
    const std::uint64_t mask = packMask(toRgb(r, g, b));
    std::uint64_t current = _loadSettings.load();
    while (!_loadSettings.compare_exchange_weak(current, (current & ~MASK_BITS) | mask)) {
    }
}

void DrawingLayer::setImageFlags(int flags) {
    const std::uint64_t high = static_cast<std::uint64_t>(static_cast<std::uint32_t>(flags)) << 32U;
    std::uint64_t current = _loadSettings.load();
    while (!_loadSettings.compare_exchange_weak(current, (current & MASK_BITS) | high)) {
    }
}

ImageLoadSettings DrawingLayer::imageLoadSettings() const {
    const std::uint64_t word = _loadSettings.load();
    ImageLoadSettings settings;
    settings.flags = static_cast<int>(static_cast<std::uint32_t>(word >> 32U));
    settings.mask = {static_cast<std::uint8_t>(word >> 16U), static_cast<std::uint8_t>(word >> 8U),
                     static_cast<std::uint8_t>(word)};
    return settings;
}

Ref<Image> DrawingLayer::loadImage(const std::string& url) const {
    return loadImage(url, imageLoadSettings());
}

Ref<Image> DrawingLayer::loadAnimImage(const std::string& url, int cellWidth, int cellHeight,
                                       int first, int count) const {
    return loadAnimImage(url, cellWidth, cellHeight, first, count, imageLoadSettings());
}

Ref<Image> DrawingLayer::loadImage(const std::string& url, const ImageLoadSettings& settings) {
    return Image::load(url, settings.flags, settings.mask);
}

Ref<Image> DrawingLayer::loadAnimImage(const std::string& url, int cellWidth, int cellHeight,
                                       int first, int count, const ImageLoadSettings& settings) {
    return Image::load(url, cellWidth, cellHeight, first, count, settings.flags, settings.mask);
}

Ref<ImageFont> DrawingLayer::loadFont(const std::string& url, int size, int style) {
    return ImageFont::load(url, size, style);
}

// --- GL state --------------------------------------------------------------------------------

ClipRect DrawingLayer::_windowClip() const {
    const int ww = windowWidth();
    const int wh = windowHeight();
    const float sx = _virtualWidth > 0 ? static_cast<float>(ww) / _virtualWidth : 1.0f;
    const float sy = _virtualHeight > 0 ? static_cast<float>(wh) / _virtualHeight : 1.0f;
    const auto scaled = [](int units, float scale) {
        return static_cast<int>(std::lround(static_cast<float>(units) * scale));
    };
    ClipRect clip;
    clip.left = std::clamp(scaled(_viewport.x, sx), 0, ww);
    clip.top = std::clamp(scaled(_viewport.y, sy), 0, wh);
    clip.right = std::clamp(scaled(_viewport.x + _viewport.width, sx), clip.left, ww);
    clip.bottom = std::clamp(scaled(_viewport.y + _viewport.height, sy), clip.top, wh);
    return clip;
}

void DrawingLayer::_applyClip() {
    if (_glClip == _viewport) {
        return;
    }
    _glClip = _viewport;
    const int ww = windowWidth();
    const int wh = windowHeight();
    const ClipRect clip = _windowClip();
    const int left = clip.left;
    const int top = clip.top;
    const int right = clip.right;
    const int bottom = clip.bottom;
    if (left == 0 && top == 0 && right == ww && bottom == wh) {
        glDisable(GL_SCISSOR_TEST);
    } else {
        glEnable(GL_SCISSOR_TEST);
        glScissor(left, wh - bottom, right - left, bottom - top);
    }
}

void DrawingLayer::_applyBlend(int mode) {
    if (_glBlend == mode) {
        return;
    }
    _glBlend = mode;
    switch (mode) {
    case BLEND_MASK:
        glDisable(GL_BLEND);
        glEnable(GL_ALPHA_TEST);
        break;
    case BLEND_ALPHA:
        glDisable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    case BLEND_LIGHT:
        glDisable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        break;
    case BLEND_SHADE:
        glDisable(GL_ALPHA_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        break;
    default: // solid, and anything unknown
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_BLEND);
        break;
    }
}

std::uint32_t DrawingLayer::_textureOf(const Image& image) {
    TextureSlot& slot = image.texture();
    if (slot.id != 0 && slot.generation == _generation) {
        return slot.id;
    }
    const Pixmap& pixels = image.atlas();
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    _glTexture = id;
    const GLint filter = (image.flags() & IMAGE_FILTERED) != 0 ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, pixels.width(), pixels.height(), 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels.data());
    slot = {id, _generation, pixels.width(), pixels.height()};
    return id;
}

void DrawingLayer::_begin(std::uint32_t texture) {
    const BatchKey key{texture, _blend};
    if (_batchOpen && key == _batch && _vertices.size() + 4 <= MAX_BATCH_VERTICES) {
        return;
    }
    flush();
    _batch = key;
    _batchOpen = true;
}

void DrawingLayer::_beginDraw(const Image* image, float& su, float& sv) {
    if (_compositing()) {
        _vertices.clear();
        _drawImage = image;
        su = 1.0f; // the compositor samples in texel units
        sv = 1.0f;
        return;
    }
    if (image == nullptr) {
        _begin(0);
        su = sv = 1.0f;
        return;
    }
    _begin(_textureOf(*image));
    const TextureSlot& slot = image->texture();
    su = 1.0f / static_cast<float>(slot.width);
    sv = 1.0f / static_cast<float>(slot.height);
}

void DrawingLayer::_endDraw() {
    if (!_compositing()) {
        return;
    }
    const float sx = _virtualWidth > 0 ? static_cast<float>(windowWidth()) / _virtualWidth : 1.0f;
    const float sy =
        _virtualHeight > 0 ? static_cast<float>(windowHeight()) / _virtualHeight : 1.0f;
    const ClipRect clip = _windowClip();
    const Pixmap* texture = _drawImage != nullptr ? &_drawImage->atlas() : nullptr;
    const bool filtered = _drawImage != nullptr && (_drawImage->flags() & IMAGE_FILTERED) != 0;
    const int maxU = texture != nullptr ? texture->width() - 1 : 0;
    const int maxV = texture != nullptr ? texture->height() - 1 : 0;
    for (std::size_t at = 0; at + 4 <= _vertices.size(); at += 4) {
        const Vertex* v = &_vertices[at];
        CanvasQuad quad{};
        for (int corner = 0; corner < 4; ++corner) {
            quad.x[corner] = v[corner].x * sx;
            quad.y[corner] = v[corner].y * sy;
        }
        quad.u0 = v[0].u;
        quad.v0 = v[0].v;
        quad.u1 = v[2].u;
        quad.v1 = v[2].v;
        // Stay inside the frame (its gutter copies its edges, so one texel more is harmless).
        quad.minU = std::clamp(static_cast<int>(std::min(quad.u0, quad.u1)) - 1, 0, maxU);
        quad.maxU = std::clamp(static_cast<int>(std::max(quad.u0, quad.u1)), 0, maxU);
        quad.minV = std::clamp(static_cast<int>(std::min(quad.v0, quad.v1)) - 1, 0, maxV);
        quad.maxV = std::clamp(static_cast<int>(std::max(quad.v0, quad.v1)), 0, maxV);
        _canvas.drawQuad(quad, texture, filtered, v[0].color, _blend, clip);
    }
    _vertices.clear();
    _drawImage = nullptr;
}

void DrawingLayer::_compose() {
    // Shows the compositor's frame 1:1 on the back buffer.
    const Pixmap& frame = _canvas.pixels();
    if (_frameTexture == 0) {
        GLuint id = 0;
        glGenTextures(1, &id);
        _frameTexture = id;
        glBindTexture(GL_TEXTURE_2D, id);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, frame.width(), frame.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, frame.data());
    } else {
        glBindTexture(GL_TEXTURE_2D, _frameTexture);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, frame.width(), frame.height(), GL_RGBA,
                        GL_UNSIGNED_BYTE, frame.data());
    }
    _glTexture = _frameTexture;
    _glClip = {-1, -1, -1, -1};
    _glBlend = -1;
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    _glTextured = true;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, frame.width(), frame.height(), 0, -1, 1);
    const float w = static_cast<float>(frame.width());
    const float h = static_cast<float>(frame.height());
    const Vertex quad[4] = {{0, 0, 0, 0, WHITE_VERTEX},
                            {w, 0, 1, 0, WHITE_VERTEX},
                            {w, h, 1, 1, WHITE_VERTEX},
                            {0, h, 0, 1, WHITE_VERTEX}};
    const auto* base = reinterpret_cast<const std::uint8_t*>(quad);
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, x));
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, u));
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), base + offsetof(Vertex, color));
    glDrawArrays(GL_QUADS, 0, 4);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawingLayer::flush() {
    _batchOpen = false;
    if (_vertices.empty() || _compositing()) {
        return;
    }
    if (!_openGl()) {
        _vertices.clear();
        return;
    }
    _applyClip();
    _applyBlend(_batch.blend);
    const bool textured = _batch.texture != 0;
    if (textured != _glTextured) {
        if (textured) {
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        _glTextured = textured;
    }
    if (textured && _batch.texture != _glTexture) {
        glBindTexture(GL_TEXTURE_2D, _batch.texture);
        _glTexture = _batch.texture;
    }
    const auto* base = reinterpret_cast<const std::uint8_t*>(_vertices.data());
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, x));
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), base + offsetof(Vertex, u));
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), base + offsetof(Vertex, color));
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(_vertices.size()));
    _vertices.clear();
}

// --- drawing ---------------------------------------------------------------------------------

void DrawingLayer::cls() {
    if (!_drawing()) {
        return;
    }
    if (_compositing()) {
        _canvas.clear(rgba(_clsColor.r, _clsColor.g, _clsColor.b, 255), _windowClip());
        return;
    }
    flush();
    _applyClip();
    glClearColor(static_cast<float>(_clsColor.r) / 255.0f, static_cast<float>(_clsColor.g) / 255.0f,
                 static_cast<float>(_clsColor.b) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void DrawingLayer::_quad(float left, float top, float right, float bottom, float u0, float v0,
                         float u1, float v1, float x, float y, std::uint32_t color) {
    const std::size_t at = _vertices.size();
    _vertices.resize(at + 4);
    Vertex* v = _vertices.data() + at;
    if (_rotation == 0.0f) {
        v[0] = {x + left, y + top, u0, v0, color};
        v[1] = {x + right, y + top, u1, v0, color};
        v[2] = {x + right, y + bottom, u1, v1, color};
        v[3] = {x + left, y + bottom, u0, v1, color};
        return;
    }
    // Positive angles turn clockwise on the screen (y grows downwards).
    const auto corner = [&](float cx, float cy, float u, float w) -> Vertex {
        return {x + cx * _cos - cy * _sin, y + cx * _sin + cy * _cos, u, w, color};
    };
    v[0] = corner(left, top, u0, v0);
    v[1] = corner(right, top, u1, v0);
    v[2] = corner(right, bottom, u1, v1);
    v[3] = corner(left, bottom, u0, v1);
}

void DrawingLayer::drawImage(const Image& image, float x, float y, int frame) {
    if (!_drawing() || image.frameCount() == 0) {
        return;
    }
    float su = 1;
    float sv = 1;
    _beginDraw(&image, su, sv);
    const auto fx = static_cast<float>(image.frameLeft(frame));
    const auto fy = static_cast<float>(image.frameTop(frame));
    const auto w = static_cast<float>(image.width());
    const auto h = static_cast<float>(image.height());
    const float hx = image.handleX() + _handleX;
    const float hy = image.handleY() + _handleY;
    _quad(-hx * _scaleX, -hy * _scaleY, (w - hx) * _scaleX, (h - hy) * _scaleY, fx * su, fy * sv,
          (fx + w) * su, (fy + h) * sv, x + _originX, y + _originY, _vertexColor());
    _endDraw();
}

void DrawingLayer::drawRect(float x, float y, float width, float height) {
    if (!_drawing()) {
        return;
    }
    float su = 1;
    float sv = 1;
    _beginDraw(nullptr, su, sv);
    // Rectangles scale from their top-left and are not rotated.
    const float rotation = _rotation;
    _rotation = 0.0f;
    _quad(0, 0, width * _scaleX, height * _scaleY, 0, 0, 0, 0, x + _originX, y + _originY,
          _vertexColor());
    _rotation = rotation;
    _endDraw();
}

void DrawingLayer::drawText(std::string_view text, float x, float y) {
    if (!_drawing() || !_font || text.empty()) {
        return;
    }
    const Image& atlas = _font->atlas();
    float su = 1;
    float sv = 1;
    _beginDraw(&atlas, su, sv);
    const auto atlasLeft = static_cast<float>(atlas.frameLeft(0));
    const auto atlasTop = static_cast<float>(atlas.frameTop(0));
    const std::uint32_t color = _vertexColor();
    const float px = x + _originX;
    const float py = y + _originY;
    float pen = 0;
    for (const char c : text) {
        const ImageFont::Glyph& glyph = _font->glyph(static_cast<unsigned char>(c));
        if (glyph.width > 0) {
            if (!_compositing() && _vertices.size() + 4 > MAX_BATCH_VERTICES) {
                _begin(_batch.texture);
            }
            const float left = pen + static_cast<float>(glyph.left) - _handleX;
            const float top = static_cast<float>(glyph.top) - _handleY;
            const auto w = static_cast<float>(glyph.width);
            const auto h = static_cast<float>(glyph.height);
            const float u0 = atlasLeft + static_cast<float>(glyph.atlasX);
            const float v0 = atlasTop + static_cast<float>(glyph.atlasY);
            _quad(left * _scaleX, top * _scaleY, (left + w) * _scaleX, (top + h) * _scaleY, u0 * su,
                  v0 * sv, (u0 + w) * su, (v0 + h) * sv, px, py, color);
        }
        pen += static_cast<float>(glyph.advance);
    }
    _endDraw();
}

int DrawingLayer::textWidth(std::string_view text) const {
    return _font ? _font->textWidth(text) : 0;
}

int DrawingLayer::textHeight(std::string_view /*text*/) const {
    return _font ? _font->height() : 0;
}

// --- frames ----------------------------------------------------------------------------------

void DrawingLayer::_deleteReleasedTextures() {
    std::vector<TextureSlot> slots;
    {
        auto& queue = released();
        const std::scoped_lock lock(queue.mutex);
        slots.swap(queue.slots);
    }
    for (const TextureSlot& slot : slots) {
        if (slot.generation == _generation && _openGl()) {
            const GLuint id = slot.id;
            glDeleteTextures(1, &id);
            if (_glTexture == id) {
                _glTexture = UINT32_MAX;
            }
        }
    }
}

void DrawingLayer::present(int sync) {
    if (_context == nullptr) {
        return;
    }
    flush();
    if (_compositing() && _openGl()) {
        _compose();
    }
    _context->swap(sync);
    _deleteReleasedTextures();
}

Pixmap DrawingLayer::readPixels(int x, int y, int width, int height) {
    if (_context == nullptr || width <= 0 || height <= 0) {
        return {};
    }
    flush();
    if (!_openGl()) {
        return _canvas.pixels().copyRect(x, y, width, height);
    }
    if (_compositing()) {
        _compose();
    }
    Pixmap flipped(width, height);
    glReadPixels(x, windowHeight() - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                 flipped.data());
    Pixmap pixels(width, height);
    for (int row = 0; row < height; ++row) {
        std::memcpy(pixels.row(row), flipped.row(height - 1 - row),
                    static_cast<std::size_t>(width) * 4);
    }
    return pixels;
}

} // namespace tarvex::platform
