// The render queue's own cost: 2000 image sprites in two groups ("sprites" and "ui", 1000
// each) updated and drawn through SpriteRenderingService, against the same 2000 draws sent
// straight to the drawing layer. The difference, divided by 2000, is what the queue adds per
// request per frame (traversal, update, render state, camera).
//
// Argument 0: no window (the drawing layer accepts and drops draws), so only the CPU work of
// the two paths is timed. Argument 1: a 448 x 576 window with the game's virtual resolution
// and the compositor, each frame presented (needs a display; skipped without one).
//
//     bench_graphics --benchmark_counters_tabular=true
#include "graphics/ImageSprite.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"
#include "support/AllocationCounter.hpp"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace tarvex::graphics {
namespace {

constexpr int SPRITES = 2000;

struct Placement {
    float x, y;
};

std::vector<Placement> placements() {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> x(0, 224 - 16);
    std::uniform_real_distribution<float> y(0, 288 - 16);
    std::vector<Placement> all(SPRITES);
    for (auto& p : all) {
        p = {x(random), static_cast<float>(static_cast<int>(y(random)))};
    }
    return all;
}

Ref<platform::Image> ball() {
    platform::Pixmap pixels(16, 16, platform::rgba(0, 0, 0, 0));
    for (int y = 2; y < 14; ++y) {
        for (int x = 2; x < 14; ++x) {
            pixels.setPixel(x, y, platform::rgba(static_cast<std::uint8_t>(60 + x * 10), 180, 90));
        }
    }
    return platform::Image::fromPixmap(pixels, 0);
}

// Opens the window for argument 1; false (and the benchmark skipped) without a display.
bool prepare(benchmark::State& state, Ref<platform::GraphicsContext>& window) {
    auto& gfx = platform::drawingLayer();
    gfx.attach(nullptr);
    if (state.range(0) == 1) {
        if (!platform::displayAvailable()) {
            state.SkipWithError("no display: run under xvfb-run for the windowed figures");
            return false;
        }
        window = platform::openGlDriver()->open(
            {448, 576, 0, 60, platform::CONTEXT_BACKBUFFER | platform::CONTEXT_ALPHA});
        if (!window) {
            state.SkipWithError("could not open a window");
            return false;
        }
        gfx.setRenderer(platform::RENDERER_COMPOSITOR);
    }
    gfx.setVirtualResolution(224, 288);
    gfx.setViewport(0, 0, 224, 288);
    gfx.setBlend(platform::BLEND_ALPHA);
    return true;
}

void finishFrame(benchmark::State& state) {
    if (state.range(0) == 1) {
        platform::drawingLayer().present(0);
    }
}

void BM_SpritesThroughTheQueue(benchmark::State& state) {
    Ref<platform::GraphicsContext> window;
    if (!prepare(state, window)) {
        return;
    }
    const auto image = ball();
    SpriteRenderingService renderer;
    renderer.setCamera(RenderCamera::Create(224, 288, 0, 0));
    auto sprites = std::make_shared<RenderGroup>();
    auto ui = std::make_shared<RenderGroup>();
    renderer.add(sprites, "sprites");
    renderer.add(ui, "ui");
    int i = 0;
    for (const auto& p : placements()) {
        auto sprite = ImageSprite::Create(image, 0, 0);
        sprite->setPosition(p.x, p.y);
        (i++ < SPRITES / 2 ? sprites : ui)->add(sprite, "");
    }
    std::int64_t allocations = 0;
    for (auto _ : state) {
        const auto before = bench::allocationCount();
        renderer.update(16);
        renderer.render(16);
        allocations += bench::allocationCount() - before;
        finishFrame(state);
    }
    state.counters["ns_per_request"] =
        benchmark::Counter(static_cast<double>(SPRITES) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_frame"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations());
    platform::drawingLayer().attach(nullptr);
}

void BM_SameSpritesStraightToTheDrawingLayer(benchmark::State& state) {
    Ref<platform::GraphicsContext> window;
    if (!prepare(state, window)) {
        return;
    }
    const auto image = ball();
    const auto all = placements();
    auto& gfx = platform::drawingLayer();
    for (auto _ : state) {
        for (const auto& p : all) {
            gfx.drawImage(*image, p.x, p.y, 0);
        }
        finishFrame(state);
    }
    state.counters["ns_per_request"] =
        benchmark::Counter(static_cast<double>(SPRITES) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    gfx.attach(nullptr);
}

BENCHMARK(BM_SpritesThroughTheQueue)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SameSpritesStraightToTheDrawingLayer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvex::graphics

BENCHMARK_MAIN();
