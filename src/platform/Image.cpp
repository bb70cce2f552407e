#include "platform/Image.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvex::platform {

const Type& Image::staticType() {
    static const Type& type = TypeBuilder<Image>("Image").build();
    return type;
}

Image::~Image() {
    if (_texture.id != 0) {
        releaseTexture(_texture);
    }
}

Ref<Image> Image::fromPixmap(const Pixmap& pixmap, int flags) {
    return fromStrip(pixmap, pixmap.width(), pixmap.height(), 0, 1, flags);
}

Ref<Image> Image::fromStrip(const Pixmap& pixmap, int cellWidth, int cellHeight, int first,
                            int count, int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0 || pixmap.empty()) {
        return nullptr;
    }
    const int across = pixmap.width() / cellWidth;
    const int down = pixmap.height() / cellHeight;
    const auto available = static_cast<std::int64_t>(across) * down;
    if (static_cast<std::int64_t>(first) + count > available) {
        return nullptr;
    }

    auto image = std::make_shared<Image>();
    image->_width = cellWidth;
    image->_height = cellHeight;
    image->_frames = count;
    image->_flags = flags;
    const int pitchX = cellWidth + 2 * GUTTER;
    const int pitchY = cellHeight + 2 * GUTTER;
    // Roughly square, so that long strips stay within texture size limits.
    image->_columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(count))));
    const int rows = (count + image->_columns - 1) / image->_columns;
    image->_atlas = Pixmap(pitchX * image->_columns, pitchY * rows);

    for (int frame = 0; frame < count; ++frame) {
        const int cell = first + frame;
        const int sourceX = (cell % across) * cellWidth;
        const int sourceY = (cell / across) * cellHeight;
        const int left = image->frameLeft(frame);
        const int top = image->frameTop(frame);
        for (int y = -GUTTER; y < cellHeight + GUTTER; ++y) {
            const int sy = sourceY + std::clamp(y, 0, cellHeight - 1);
            for (int x = -GUTTER; x < cellWidth + GUTTER; ++x) {
                const int sx = sourceX + std::clamp(x, 0, cellWidth - 1);
                image->_atlas.setPixel(left + x, top + y, pixmap.pixel(sx, sy));
            }
        }
    }
    return image;
}

namespace {

std::optional<Pixmap> loadMasked(const std::string& url, int flags, Rgb mask) {
    auto pixmap = loadPng(url);
    if (pixmap && (flags & IMAGE_MASKED) != 0) {
        pixmap->applyMask(mask.r, mask.g, mask.b);
    }
    return pixmap;
}

} // namespace

Ref<Image> Image::load(const std::string& url, int flags, Rgb mask) {
    const auto pixmap = loadMasked(url, flags, mask);
    return pixmap ? fromPixmap(*pixmap, flags) : nullptr;
}

Ref<Image> Image::load(const std::string& url, int cellWidth, int cellHeight, int first, int count,
                       int flags, Rgb mask) {
    const auto pixmap = loadMasked(url, flags, mask);
    return pixmap ? fromStrip(*pixmap, cellWidth, cellHeight, first, count, flags) : nullptr;
}

int Image::clampFrame(int frame) const {
    return std::clamp(frame, 0, std::max(_frames - 1, 0));
}

int Image::frameLeft(int frame) const {
    return (clampFrame(frame) % _columns) * (_width + 2 * GUTTER) + GUTTER;
}

int Image::frameTop(int frame) const {
    return (clampFrame(frame) / _columns) * (_height + 2 * GUTTER) + GUTTER;
}

Pixmap Image::framePixels(int frame) const {
    return _atlas.copyRect(frameLeft(frame), frameTop(frame), _width, _height);
}

} // namespace tarvex::platform
