// The window and its drawing context, and the drivers that open them. A driver opens a
// context from window settings; the drawing layer draws into the one open context. The OpenGL
// driver (SDL window, double-buffered OpenGL context) is the real one; tests may install a
// driver of their own.
//
//     setAppTitle("Depthrun 2000");
//     setPointerVisible(false);
//     auto context = graphicsDriver()->open({448, 576, 0, 60, CONTEXT_BACKBUFFER | CONTEXT_ALPHA});
//     if (!context) { /* report */ }
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace tarvex::platform {

enum ContextFlags : int {
    CONTEXT_BACKBUFFER = 2,
    CONTEXT_ALPHA = 4,
    CONTEXT_DEPTH = 8,
    CONTEXT_STENCIL = 16,
    CONTEXT_ACCUM = 32,
};

struct ContextSettings {
    int width = 0;
    int height = 0;
    int depth = 0; // colour depth for full screen; 0 opens a window on the desktop
    int refreshRate = 0;
    int flags = CONTEXT_BACKBUFFER;
};

// An open window with its drawing context. Closing it detaches it from the drawing layer, and
// so does destroying it, whatever the concrete class does: the layer never keeps a pointer to a
// context that is gone.
class GraphicsContext : public Object {
    TARVEX_OBJECT(GraphicsContext, Object)
public:
    GraphicsContext() = default;
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;
    ~GraphicsContext() override;

    [[nodiscard]] virtual int width() const = 0;
    [[nodiscard]] virtual int height() const = 0;
    // Shows the back buffer; sync 0 does not wait for the vertical blank.
    virtual void swap(int sync) = 0;
    virtual void makeCurrent() = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // False for contexts without OpenGL behind them (test doubles): the drawing layer then
    // composes frames but sends nothing to OpenGL.
    [[nodiscard]] virtual bool isOpenGL() const { return true; }
};

class GraphicsDriver {
public:
    virtual ~GraphicsDriver() = default;
    [[nodiscard]] virtual std::string name() const = 0;
    // A new context, or null when none can be made with these settings.
    [[nodiscard]] virtual Ref<GraphicsContext> open(const ContextSettings& settings) = 0;
};

// The OpenGL driver (one shared instance).
[[nodiscard]] std::shared_ptr<GraphicsDriver> openGlDriver();
// The driver contexts are opened with; the OpenGL one unless another was installed.
[[nodiscard]] std::shared_ptr<GraphicsDriver> graphicsDriver();
void setGraphicsDriver(std::shared_ptr<GraphicsDriver> driver);

// Window title and pointer visibility, applied to the open window and to windows opened later.
void setAppTitle(const std::string& title);
[[nodiscard]] std::string appTitle();
void setPointerVisible(bool visible);

// True when a display can be opened (tests that need one skip themselves otherwise).
[[nodiscard]] bool displayAvailable();

} // namespace tarvex::platform
