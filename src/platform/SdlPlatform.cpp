// SDL2 backend: window with an OpenGL context, events, clock and frame timer.
#include "platform/SdlPlatform.hpp"

#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"
#include "platform/Input.hpp"
#include "platform/PlatformEvent.hpp"
#include "platform/SdlKeys.hpp"

#include <SDL2/SDL.h>
#include <cmath>
#include <mutex>

namespace tarvex::platform {

namespace {

struct Settings {
    std::mutex mutex;
    std::string title = "Tarvex";
    bool pointerVisible = true;
    SDL_Window* window = nullptr; // the open window, if any
    std::shared_ptr<GraphicsDriver> driver;
};

// Never destroyed: windows held by static objects are closed after static destruction began.
Settings& settings() {
    static auto* instance = new Settings;
    return *instance;
}

bool initVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return true;
    }
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
}

int mouseButtonOf(std::uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 3;
    default:
        return 0;
    }
}

void deliverText(const char* utf8) {
    // Characters are bytes: decode UTF-8 and keep code points up to 255.
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p != 0) {
        int code = *p++;
        if (code >= 0xc0 && code < 0xe0 && (*p & 0xc0) == 0x80) {
            code = ((code & 0x1f) << 6) | (*p++ & 0x3f);
        } else if (code >= 0x80) {
            while ((*p & 0xc0) == 0x80) {
                ++p;
            }
            continue;
        }
        if (code >= 32 && code != 127 && code <= 255) {
            deliverChar(code);
        }
    }
}

void dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        const int code = virtualKeyOfScancode(event.key.keysym.scancode);
        if (code != 0) {
            deliverKeyDown(code, event.key.repeat != 0);
        }
        // Editing keys reach the console as typed characters, auto-repeat included.
        if (code == KEY_BACKSPACE || code == KEY_ENTER) {
            deliverChar(code);
        }
        break;
    }
    case SDL_KEYUP: {
        const int code = virtualKeyOfScancode(event.key.keysym.scancode);
        if (code != 0) {
            deliverKeyUp(code);
        }
        break;
    }
    case SDL_TEXTINPUT:
        deliverText(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        deliverMouseMove(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        deliverMouseDown(mouseButtonOf(event.button.button));
        break;
    case SDL_MOUSEBUTTONUP:
        deliverMouseUp(mouseButtonOf(event.button.button));
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            emitEvent(EVENT_WINDOWCLOSE);
            break;
        case SDL_WINDOWEVENT_MOVED:
            emitEvent(EVENT_WINDOWMOVE, 0, event.window.data1, event.window.data2);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            emitEvent(EVENT_WINDOWSIZE, 0, event.window.data1, event.window.data2);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            emitEvent(EVENT_WINDOWACTIVATE);
            break;
        default:
            break;
        }
        break;
    case SDL_QUIT:
        // A request, not an order: whoever listens decides.
        emitEvent(EVENT_APPTERMINATE);
        break;
    default:
        break;
    }
}

// --- the OpenGL window -----------------------------------------------------------------------

class SdlGlContext : public GraphicsContext {
public:
    SdlGlContext(SDL_Window* window, SDL_GLContext context, int width, int height)
        : _window(window), _context(context), _width(width), _height(height) {}
    ~SdlGlContext() override { close(); }
    SdlGlContext(const SdlGlContext&) = delete;
    SdlGlContext& operator=(const SdlGlContext&) = delete;

    [[nodiscard]] int width() const override { return _width; }
    [[nodiscard]] int height() const override { return _height; }
    void swap(int sync) override {
        if (_window == nullptr) {
            return;
        }
        if (sync != _sync) {
            SDL_GL_SetSwapInterval(sync != 0 ? 1 : 0);
            _sync = sync;
        }
        SDL_GL_SwapWindow(_window);
    }
    void makeCurrent() override {
        if (_window != nullptr) {
            SDL_GL_MakeCurrent(_window, _context);
        }
    }
    void close() override {
        if (_window == nullptr) {
            return;
        }
        if (drawingLayer().context() == this) {
            drawingLayer().attach(nullptr);
        }
        SDL_GL_DeleteContext(_context);
        SDL_DestroyWindow(_window);
        {
            auto& all = settings();
            const std::scoped_lock lock(all.mutex);
            if (all.window == _window) {
                all.window = nullptr;
            }
        }
        _window = nullptr;
        _context = nullptr;
    }
    [[nodiscard]] bool isOpen() const override { return _window != nullptr; }

private:
    SDL_Window* _window;
    SDL_GLContext _context;
    int _width;
    int _height;
    int _sync = 0;
};

class SdlGlDriver : public GraphicsDriver {
public:
    [[nodiscard]] std::string name() const override { return "OpenGL"; }

    [[nodiscard]] Ref<GraphicsContext> open(const ContextSettings& wanted) override {
        if (wanted.width <= 0 || wanted.height <= 0 || !initVideo()) {
            return nullptr;
        }
        SDL_GL_ResetAttributes();
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, (wanted.flags & CONTEXT_ALPHA) != 0 ? 8 : 0);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (wanted.flags & CONTEXT_BACKBUFFER) != 0 ? 1 : 0);
        // A 2D game needs no depth buffer, and on software rasterisers one costs a large part
        // of every frame even with the depth test off, so ask for none unless told to.
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, (wanted.flags & CONTEXT_DEPTH) != 0 ? 24 : 0);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, (wanted.flags & CONTEXT_STENCIL) != 0 ? 8 : 0);
        const int accum = (wanted.flags & CONTEXT_ACCUM) != 0 ? 16 : 0;
        SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, accum);
        SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, accum);
        SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, accum);
        SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, accum);

        std::string title;
        bool pointerVisible = true;
        {
            auto& all = settings();
            const std::scoped_lock lock(all.mutex);
            title = all.title;
            pointerVisible = all.pointerVisible;
        }
        Uint32 windowFlags = SDL_WINDOW_OPENGL;
        if (wanted.depth != 0) {
            windowFlags |= SDL_WINDOW_FULLSCREEN;
        }
        SDL_Window* window =
            SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             wanted.width, wanted.height, windowFlags);
        if (window == nullptr) {
            return nullptr;
        }
        SDL_GLContext glContext = SDL_GL_CreateContext(window);
        if (glContext == nullptr) {
            SDL_DestroyWindow(window);
            return nullptr;
        }
        SDL_GL_SetSwapInterval(0);
        SDL_ShowCursor(pointerVisible ? SDL_ENABLE : SDL_DISABLE);
        int width = wanted.width;
        int height = wanted.height;
        SDL_GL_GetDrawableSize(window, &width, &height);
        {
            auto& all = settings();
            const std::scoped_lock lock(all.mutex);
            all.window = window;
        }
        auto context = std::make_shared<SdlGlContext>(window, glContext, width, height);
        drawingLayer().attach(context.get());
        if (dynamic_cast<HeadlessLoopPlatform*>(&loopPlatform()) != nullptr) {
            setLoopPlatform(std::make_shared<SdlLoopPlatform>());
        }
        return context;
    }
};

// --- frame timer -----------------------------------------------------------------------------

class SdlFrameTimer : public FrameTimer {
public:
    explicit SdlFrameTimer(int ticksPerSecond)
        : _frequency(SDL_GetPerformanceFrequency()),
          _period(_frequency / static_cast<Uint64>(ticksPerSecond > 0 ? ticksPerSecond : 1)),
          _next(SDL_GetPerformanceCounter() + _period) {}

    void wait() override {
        Uint64 now = SDL_GetPerformanceCounter();
        if (now >= _next) {
            // Ticks have passed already: skip the missed ones rather than racing to catch up.
            _next += _period * ((now - _next) / _period + 1);
            pumpSdlEvents();
            return;
        }
        while (now < _next) {
            const Uint64 remaining = _next - now;
            const auto ms = static_cast<int>((remaining * 1000 + _frequency - 1) / _frequency);
            SDL_Event event;
            if (SDL_WaitEventTimeout(&event, ms) != 0) {
                dispatch(event);
            }
            now = SDL_GetPerformanceCounter();
        }
        _next += _period;
        pumpSdlEvents();
    }

private:
    Uint64 _frequency;
    Uint64 _period;
    Uint64 _next;
};

} // namespace

void pumpSdlEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        dispatch(event);
    }
}

std::int64_t SdlLoopPlatform::milliseconds() {
    if (SDL_WasInit(SDL_INIT_TIMER) == 0) {
        SDL_InitSubSystem(SDL_INIT_TIMER);
    }
    return static_cast<std::int64_t>(SDL_GetTicks64());
}

std::unique_ptr<FrameTimer> SdlLoopPlatform::createFrameTimer(int ticksPerSecond) {
    if (SDL_WasInit(SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0) {
        SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
    }
    return std::make_unique<SdlFrameTimer>(ticksPerSecond);
}

void SdlLoopPlatform::present(int sync) {
    drawingLayer().present(sync);
}

std::shared_ptr<GraphicsDriver> openGlDriver() {
    static const std::shared_ptr<GraphicsDriver> driver = std::make_shared<SdlGlDriver>();
    return driver;
}

std::shared_ptr<GraphicsDriver> graphicsDriver() {
    auto& all = settings();
    const std::scoped_lock lock(all.mutex);
    if (!all.driver) {
        all.driver = openGlDriver();
    }
    return all.driver;
}

void setGraphicsDriver(std::shared_ptr<GraphicsDriver> driver) {
    auto& all = settings();
    const std::scoped_lock lock(all.mutex);
    all.driver = std::move(driver);
}

void setAppTitle(const std::string& title) {
    auto& all = settings();
    const std::scoped_lock lock(all.mutex);
    all.title = title;
    if (all.window != nullptr) {
        SDL_SetWindowTitle(all.window, title.c_str());
    }
}

std::string appTitle() {
    auto& all = settings();
    const std::scoped_lock lock(all.mutex);
    return all.title;
}

void setPointerVisible(bool visible) {
    {
        auto& all = settings();
        const std::scoped_lock lock(all.mutex);
        all.pointerVisible = visible;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool displayAvailable() {
    return initVideo();
}

} // namespace tarvex::platform
