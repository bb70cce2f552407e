// An RGBA image in memory (8 bits per channel, rows top to bottom, no padding), and its PNG
// reading and writing. Decoding runs on any thread; nothing here touches the graphics device.
//
//     auto pixmap = decodePng(bytes);       // null for anything that is not a sane PNG
//     if (pixmap) { pixmap->applyMask(255, 0, 255); }
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvex::platform {

class Pixmap {
public:
    // Larger images are refused: nothing the game draws comes near, and a corrupt header must
    // not make us allocate gigabytes.
    static constexpr std::uint32_t MAX_SIDE = 16384;

    Pixmap() = default;
    Pixmap(int width, int height, std::uint32_t fill = 0);

    [[nodiscard]] int width() const { return _width; }
    [[nodiscard]] int height() const { return _height; }
    [[nodiscard]] bool empty() const { return _width == 0 || _height == 0; }

    // Pixel as 0xAABBGGRR (bytes R, G, B, A in memory order).
    [[nodiscard]] std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t rgba);
    [[nodiscard]] std::uint8_t* row(int y) { return _bytes.data() + rowOffset(y); }
    [[nodiscard]] const std::uint8_t* row(int y) const { return _bytes.data() + rowOffset(y); }
    [[nodiscard]] const std::uint8_t* data() const { return _bytes.data(); }
    [[nodiscard]] std::uint8_t* data() { return _bytes.data(); }

    // Makes every pixel of exactly this colour fully transparent.
    void applyMask(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // The rectangle (x, y, w, h), clipped to the pixmap.
    [[nodiscard]] Pixmap copyRect(int x, int y, int w, int h) const;

private:
    [[nodiscard]] std::size_t rowOffset(int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) * 4;
    }

    int _width = 0;
    int _height = 0;
    std::vector<std::uint8_t> _bytes;
};

[[nodiscard]] constexpr std::uint32_t rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                           std::uint8_t a = 255) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16) | (static_cast<std::uint32_t>(a) << 24);
}

// Any PNG (palette, grey, 16-bit, interlaced, with or without alpha) to RGBA; null when the
// data is not a complete, valid PNG or larger than Pixmap::MAX_SIDE on a side.
[[nodiscard]] std::optional<Pixmap> decodePng(std::span<const std::uint8_t> bytes);
// Opens and decodes; null when the stream is missing or the data is bad.
[[nodiscard]] std::optional<Pixmap> loadPng(const std::string& url);
// An RGBA PNG; empty on failure.
[[nodiscard]] std::vector<std::uint8_t> encodePng(const Pixmap& pixmap);
bool savePng(const Pixmap& pixmap, const std::string& path);

} // namespace tarvex::platform
