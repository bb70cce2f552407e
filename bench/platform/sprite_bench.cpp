// Sprite throughput of the drawing layer: one 32x32 RGBA image drawn N times per frame with
// alpha blending in a 448x576 window (virtual resolution the same size), every copy moving
// with its own velocity and bouncing off the edges. 30 warm-up frames, then 300 measured
// frames, each timed from the start of drawing to the end of presenting (glFinish included, so
// the rasteriser's work is counted in its frame).
//
//     sprite_bench 5000
//     N=5000 frames=300 median_ms=... mean_ms=... fps=...
#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"
#include "platform/SdlPlatform.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace tarvex::platform;

constexpr int WIDTH = 448;
constexpr int HEIGHT = 576;
constexpr int SIZE = 32;
constexpr int WARMUP = 30;
constexpr int FRAMES = 300;

// A round, soft-edged ball: opaque middle, translucent rim, transparent corners.
Pixmap makeSprite() {
    Pixmap pixels(SIZE, SIZE);
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            const double dx = x + 0.5 - SIZE / 2.0;
            const double dy = y + 0.5 - SIZE / 2.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double a = std::clamp((SIZE / 2.0 - d) / 4.0, 0.0, 1.0);
            pixels.setPixel(x, y,
                            rgba(static_cast<std::uint8_t>(64 + x * 6),
                                 static_cast<std::uint8_t>(200 - y * 4), 180,
                                 static_cast<std::uint8_t>(a * 255)));
        }
    }
    return pixels;
}

struct Sprite {
    float x, y, vx, vy;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: %s N\n", argv[0]);
        return 2;
    }
    const int n = std::atoi(argv[1]);

    setAppTitle("sprite_bench");
    auto context = openGlDriver()->open({WIDTH, HEIGHT, 0, 60, CONTEXT_BACKBUFFER | CONTEXT_ALPHA});
    if (!context) {
        std::fprintf(stderr, "sprite_bench: could not open a %dx%d OpenGL window\n", WIDTH, HEIGHT);
        return 1;
    }
    auto& gfx = drawingLayer();
    gfx.setVirtualResolution(WIDTH, HEIGHT);
    gfx.setViewport(0, 0, WIDTH, HEIGHT);
    const auto image = Image::fromPixmap(makeSprite(), 0);

    std::mt19937 random(1234);
    std::uniform_real_distribution<float> px(0, WIDTH - SIZE);
    std::uniform_real_distribution<float> py(0, HEIGHT - SIZE);
    std::uniform_real_distribution<float> speed(-3, 3);
    std::vector<Sprite> sprites(static_cast<std::size_t>(n));
    for (auto& s : sprites) {
        s = {px(random), py(random), speed(random), speed(random)};
    }

    // Set to a file name to keep a picture of the last frame (outside the measured time only
    // in spirit: that frame's figure includes the read-back).
    const char* screenshot = std::getenv("SPRITE_BENCH_SCREENSHOT");
    std::vector<double> times;
    times.reserve(FRAMES);
    for (int frame = 0; frame < WARMUP + FRAMES; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        gfx.setClsColor(0, 0, 40);
        gfx.cls();
        gfx.setBlend(BLEND_ALPHA);
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(1.0f);
        for (auto& s : sprites) {
            s.x += s.vx;
            s.y += s.vy;
            if (s.x < 0 || s.x > WIDTH - SIZE) {
                s.vx = -s.vx;
                s.x = std::clamp(s.x, 0.0f, static_cast<float>(WIDTH - SIZE));
            }
            if (s.y < 0 || s.y > HEIGHT - SIZE) {
                s.vy = -s.vy;
                s.y = std::clamp(s.y, 0.0f, static_cast<float>(HEIGHT - SIZE));
            }
            gfx.drawImage(*image, std::floor(s.x), std::floor(s.y), 0);
        }
        if (frame == WARMUP + FRAMES - 1 && screenshot != nullptr) {
            savePng(gfx.readPixels(0, 0, WIDTH, HEIGHT), screenshot);
        }
        gfx.present(0);
        glFinish();
        pumpSdlEvents();
        const auto end = std::chrono::steady_clock::now();
        if (frame >= WARMUP) {
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }

    const double mean =
        std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[FRAMES / 2 - 1] + sorted[FRAMES / 2]) / 2.0;
    std::printf("N=%d frames=%d median_ms=%.2f mean_ms=%.2f fps=%.1f\n", n, FRAMES, median, mean,
                1000.0 / mean);
    context->close();
    return 0;
}
