// Drawing in tests. `TestWindow::open` gives a real OpenGL window (under Xvfb in CI) and
// skips the calling test when there is no display; `FakeGraphicsDriver` opens contexts without
// a window, recording the settings it was asked for, or fails on demand.
#pragma once

#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tarvex::testing {

class TestWindow {
public:
    // The shared window, reopened when the size changes; null (and the message filled in) when
    // no display can be opened. Use through TARVEX_REQUIRE_WINDOW.
    static Ref<platform::GraphicsContext> open(int width, int height, std::string& why);
    static void close();
};

#define TARVEX_REQUIRE_WINDOW(variable, width, height)                                             \
    std::string variable##Why;                                                                     \
    auto variable = ::tarvex::testing::TestWindow::open(width, height, variable##Why);             \
    if (!variable) {                                                                               \
        GTEST_SKIP() << variable##Why;                                                             \
    }

class FakeContext : public platform::GraphicsContext {
public:
    FakeContext(int width, int height) : _width(width), _height(height) {}
    ~FakeContext() override { close(); }
    FakeContext(const FakeContext&) = delete;
    FakeContext& operator=(const FakeContext&) = delete;

    [[nodiscard]] int width() const override { return _width; }
    [[nodiscard]] int height() const override { return _height; }
    void swap(int sync) override {
        ++swaps;
        lastSync = sync;
    }
    void makeCurrent() override {}
    void close() override;
    [[nodiscard]] bool isOpen() const override { return _open; }
    [[nodiscard]] bool isOpenGL() const override { return false; }

    int swaps = 0;
    int lastSync = -1;

private:
    int _width;
    int _height;
    bool _open = true;
};

class FakeGraphicsDriver : public platform::GraphicsDriver {
public:
    [[nodiscard]] std::string name() const override { return "fake"; }
    [[nodiscard]] Ref<platform::GraphicsContext>
    open(const platform::ContextSettings& settings) override;

    bool fail = false;
    int opened = 0;
    platform::ContextSettings last;
};

// Channels of a pixel read back, for readable expectations.
struct Rgba {
    int r, g, b, a;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};
[[nodiscard]] Rgba channels(std::uint32_t pixel);
void PrintTo(const Rgba& color, std::ostream* out);

} // namespace tarvex::testing
