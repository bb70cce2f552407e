#include "support/TestGraphics.hpp"

#include <dlfcn.h>
#include <glob.h>
#include <ostream>

namespace tarvex::testing {
namespace {

Ref<platform::GraphicsContext>& shared() {
    static Ref<platform::GraphicsContext> window;
    return window;
}

} // namespace

namespace {

// Keeps the GL libraries and Mesa's software driver loaded until the process ends. The
// driver is otherwise unloaded when the last window closes, and the leak checker then cannot
// name the frames of the driver's own leftover allocations, so its suppressions cannot match.
void pinGraphicsLibraries() {
    static const bool pinned = [] {
        const char* libraries[] = {"libGL.so.1", "libGLX_mesa.so.0", "libglapi.so.0"};
        for (const char* library : libraries) {
            dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
        }
        glob_t drivers{};
        if (glob("/usr/lib/*/dri/swrast_dri.so", 0, nullptr, &drivers) == 0) {
            for (std::size_t i = 0; i < drivers.gl_pathc; ++i) {
                dlopen(drivers.gl_pathv[i], RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
            }
        }
        globfree(&drivers);
        return true;
    }();
    (void)pinned;
}

} // namespace

Ref<platform::GraphicsContext> TestWindow::open(int width, int height, std::string& why) {
    pinGraphicsLibraries();
    auto& window = shared();
    if (window && window->isOpen() && window->width() == width && window->height() == height) {
        platform::drawingLayer().attach(window.get());
        return window;
    }
    close();
    if (!platform::displayAvailable()) {
        why = "no display to open an OpenGL window on (run under xvfb-run)";
        return nullptr;
    }
    window = platform::openGlDriver()->open(
        {width, height, 0, 60, platform::CONTEXT_BACKBUFFER | platform::CONTEXT_ALPHA});
    if (!window) {
        why = "the OpenGL driver could not open a window";
    }
    return window;
}

void TestWindow::close() {
    if (auto& window = shared()) {
        window->close();
        window = nullptr;
    }
}

void FakeContext::close() {
    if (_open && platform::drawingLayer().context() == this) {
        platform::drawingLayer().attach(nullptr);
    }
    _open = false;
}

Ref<platform::GraphicsContext> FakeGraphicsDriver::open(const platform::ContextSettings& settings) {
    last = settings;
    if (fail) {
        return nullptr;
    }
    ++opened;
    auto context = std::make_shared<FakeContext>(settings.width, settings.height);
    platform::drawingLayer().attach(context.get());
    return context;
}

Rgba channels(std::uint32_t pixel) {
    return {static_cast<int>(pixel & 255), static_cast<int>((pixel >> 8) & 255),
            static_cast<int>((pixel >> 16) & 255), static_cast<int>(pixel >> 24)};
}

void PrintTo(const Rgba& color, std::ostream* out) {
    *out << "(" << color.r << ", " << color.g << ", " << color.b << ", " << color.a << ")";
}

} // namespace tarvex::testing
