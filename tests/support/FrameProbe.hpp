// The back buffer of the 448 x 576 test window read once, asked in virtual units of the game's
// 224 x 288 screen (one unit is 2 x 2 window pixels; a unit is read at its top-left pixel).
//
//     const FrameProbe frame;                 // reads the whole window now
//     EXPECT_EQ(frame.unit(10, 12), (Rgb3{255, 0, 0}));
//     auto ink = frame.mask(0, 0, 224, 40, background);   // units that differ from it
#pragma once

#include "platform/DrawingLayer.hpp"

#include <cstdlib>
#include <ostream>
#include <set>
#include <utility>

namespace tarvex::testing {

struct Rgb3 {
    int r, g, b;
    friend bool operator==(const Rgb3&, const Rgb3&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb3& c) {
        return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

[[nodiscard]] inline bool near(Rgb3 a, Rgb3 b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

class FrameProbe {
public:
    using Units = std::set<std::pair<int, int>>;

    FrameProbe() : _shot(platform::drawingLayer().readPixels(0, 0, 448, 576)) {}

    [[nodiscard]] Rgb3 unit(int x, int y) const {
        const std::uint32_t value = _shot.pixel(2 * x, 2 * y);
        return {static_cast<int>(value & 255), static_cast<int>((value >> 8) & 255),
                static_cast<int>((value >> 16) & 255)};
    }
    // The units of the box whose colour is not `background`.
    [[nodiscard]] Units mask(int x, int y, int width, int height, Rgb3 background) const {
        Units units;
        for (int j = y; j < y + height; ++j) {
            for (int i = x; i < x + width; ++i) {
                if (unit(i, j) != background) {
                    units.insert({i, j});
                }
            }
        }
        return units;
    }
    [[nodiscard]] static Units shifted(const Units& units, int dx, int dy) {
        Units moved;
        for (const auto& [x, y] : units) {
            moved.insert({x + dx, y + dy});
        }
        return moved;
    }
    [[nodiscard]] const platform::Pixmap& pixels() const { return _shot; }

private:
    platform::Pixmap _shot;
};

} // namespace tarvex::testing
