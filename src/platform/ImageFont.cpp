#include "platform/ImageFont.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/Stream.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <memory>
#include <vector>

namespace tarvex::platform {

const Type& ImageFont::staticType() {
    static const Type& type = TypeBuilder<ImageFont>("ImageFont").build();
    return type;
}

namespace {

constexpr std::size_t MAX_FONT_BYTES = 32u << 20;
constexpr int MAX_PIXEL_SIZE = 256;

struct Library {
    FT_Library handle = nullptr;
    ~Library() {
        if (handle != nullptr) {
            FT_Done_FreeType(handle);
        }
    }
};

struct Face {
    FT_Face handle = nullptr;
    ~Face() {
        if (handle != nullptr) {
            FT_Done_Face(handle);
        }
    }
};

int pixelsOf(FT_Pos value26_6) {
    return static_cast<int>((value26_6 + 32) >> 6);
}

// How much bold adds to each stroke, in 26.6 pixels: whole pixels, so that the strokes of a
// pixel font stay on the pixel grid.
FT_Pos boldStrength(int pixelSize) {
    return static_cast<FT_Pos>(std::max(1, (pixelSize + 8) / 16)) * 64;
}

// Applies the synthetic styles to a glyph's outline before it is rendered. Bold widens every
// stroke by `strength` to the right (FreeType keeps the outline's left edges where they were)
// and the advance with it; italic shears the outline about the baseline.
void applyStyles(FT_GlyphSlot slot, bool bold, bool italic, FT_Pos strength) {
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
        return;
    }
    if (bold && FT_Outline_EmboldenXY(&slot->outline, strength, 0) == 0) {
        slot->advance.x += strength;
    }
    if (italic) {
        // tan(12 degrees) in 16.16 fixed point.
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
    }
}

struct Rendered {
    ImageFont::Glyph glyph;
    std::vector<std::uint8_t> coverage; // width * height
};

} // namespace

Ref<ImageFont> ImageFont::load(const std::string& url, int pixelSize, int style) {
    const auto bytes = loadBytes(url, MAX_FONT_BYTES);
    if (!bytes) {
        return nullptr;
    }
    return fromBytes(*bytes, pixelSize, style);
}

Ref<ImageFont> ImageFont::fromBytes(std::span<const std::uint8_t> bytes, int pixelSize, int style) {
    if (pixelSize < 1 || pixelSize > MAX_PIXEL_SIZE || bytes.empty()) {
        return nullptr;
    }
    // One library per load: FreeType libraries are not shared between threads, and fonts may
    // be loaded by the loading screen's worker.
    Library library;
    Face face;
    if (FT_Init_FreeType(&library.handle) != 0 ||
        FT_New_Memory_Face(library.handle, bytes.data(), static_cast<FT_Long>(bytes.size()), 0,
                           &face.handle) != 0 ||
        (face.handle->face_flags & FT_FACE_FLAG_SCALABLE) == 0 ||
        FT_Set_Pixel_Sizes(face.handle, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        return nullptr;
    }

    const bool smooth = (style & FONT_SMOOTH) != 0;
    const bool bold = (style & FONT_BOLD) != 0;
    const bool italic = (style & FONT_ITALIC) != 0;
    auto font = std::make_shared<ImageFont>();
    font->_pixelSize = pixelSize;
    font->_style = style;
    const FT_Size_Metrics& metrics = face.handle->size->metrics;
    font->_ascent = std::max(0, pixelsOf(metrics.ascender));
    font->_descent = std::max(0, -pixelsOf(metrics.descender));

    // Outlines drawn on the design grid land on whole pixels at the sizes the font is made
    // for; hinting would only move them.
    const FT_Int32 loadFlags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP |
                               (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    const FT_Render_Mode renderMode = smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;

    std::vector<Rendered> rendered(256);
    int atlasWidth = 0;
    int atlasHeight = 0;
    constexpr int rowLimit = 512;
    int penX = 0;
    int penY = 0;
    int shelfHeight = 0;
    for (int code = 32; code < 256; ++code) {
        const FT_UInt index = FT_Get_Char_Index(face.handle, static_cast<FT_ULong>(code));
        if (index == 0 && code != 32) {
            continue; // characters the font lacks draw nothing and take no room
        }
        if (FT_Load_Glyph(face.handle, index, loadFlags) != 0) {
            continue;
        }
        applyStyles(face.handle->glyph, bold, italic, boldStrength(pixelSize));
        if (FT_Render_Glyph(face.handle->glyph, renderMode) != 0) {
            continue;
        }
        const FT_GlyphSlot slot = face.handle->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        Rendered& out = rendered[static_cast<std::size_t>(code)];
        out.glyph.advance = pixelsOf(slot->advance.x);
        out.glyph.left = slot->bitmap_left;
        out.glyph.top = font->_ascent - slot->bitmap_top;
        const int width = static_cast<int>(bitmap.width);
        const int height = static_cast<int>(bitmap.rows);
        if (width <= 0 || height <= 0 || width > 4 * MAX_PIXEL_SIZE ||
            height > 4 * MAX_PIXEL_SIZE) {
            continue;
        }
        out.glyph.width = width;
        out.glyph.height = height;
        out.coverage.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            const unsigned char* source =
                bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
            for (int x = 0; x < width; ++x) {
                std::uint8_t value = 0;
                if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                    value = (source[x >> 3] & (0x80 >> (x & 7))) != 0 ? 255 : 0;
                } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                    value = source[x];
                }
                out.coverage[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width)) +
                             static_cast<std::size_t>(x)] = value;
            }
        }
        // Shelf packing with a one-pixel gap, so smooth scaling never bleeds between glyphs.
        if (penX + width + 1 > rowLimit) {
            penX = 0;
            penY += shelfHeight + 1;
            shelfHeight = 0;
        }
        out.glyph.atlasX = penX + 1;
        out.glyph.atlasY = penY + 1;
        penX += width + 1;
        shelfHeight = std::max(shelfHeight, height);
        atlasWidth = std::max(atlasWidth, penX + 1);
        atlasHeight = std::max(atlasHeight, penY + shelfHeight + 2);
    }

    Pixmap pixels(std::max(atlasWidth, 1), std::max(atlasHeight, 1));
    for (int code = 0; code < 256; ++code) {
        const Rendered& out = rendered[static_cast<std::size_t>(code)];
        font->_glyphs[static_cast<std::size_t>(code)] = out.glyph;
        for (int y = 0; y < out.glyph.height; ++y) {
            for (int x = 0; x < out.glyph.width; ++x) {
                const auto alpha = out.coverage[(static_cast<std::size_t>(y) *
                                                 static_cast<std::size_t>(out.glyph.width)) +
                                                static_cast<std::size_t>(x)];
                pixels.setPixel(out.glyph.atlasX + x, out.glyph.atlasY + y,
                                rgba(255, 255, 255, alpha));
            }
        }
    }
    // The atlas keeps a transparent border of its own, so no gutter is needed around it.
    font->_atlas = Image::fromPixmap(pixels, smooth ? IMAGE_FILTERED : 0);
    return font;
}

int ImageFont::textWidth(std::string_view text) const {
    int width = 0;
    for (const char c : text) {
        width += _glyphs[static_cast<unsigned char>(c)].advance;
    }
    return width;
}

} // namespace tarvex::platform
