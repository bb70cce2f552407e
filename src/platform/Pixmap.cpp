#include "platform/Pixmap.hpp"

#include "platform/Stream.hpp"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <png.h>

namespace tarvex::platform {

Pixmap::Pixmap(int width, int height, std::uint32_t fill)
    : _width(std::max(width, 0)), _height(std::max(height, 0)),
      _bytes(static_cast<std::size_t>(_width) * static_cast<std::size_t>(_height) * 4) {
    if (fill != 0) {
        for (std::size_t i = 0; i < _bytes.size(); i += 4) {
            std::memcpy(&_bytes[i], &fill, 4);
        }
    }
}

std::uint32_t Pixmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= _width || y >= _height) {
        return 0;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, row(y) + static_cast<std::size_t>(x) * 4, 4);
    return value;
}

void Pixmap::setPixel(int x, int y, std::uint32_t value) {
    if (x < 0 || y < 0 || x >= _width || y >= _height) {
        return;
    }
    std::memcpy(row(y) + static_cast<std::size_t>(x) * 4, &value, 4);
}

void Pixmap::applyMask(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    for (std::size_t i = 0; i < _bytes.size(); i += 4) {
        if (_bytes[i] == r && _bytes[i + 1] == g && _bytes[i + 2] == b) {
            _bytes[i + 3] = 0;
        }
    }
}

Pixmap Pixmap::copyRect(int x, int y, int w, int h) const {
    const int left = std::clamp(x, 0, _width);
    const int top = std::clamp(y, 0, _height);
    const int right = std::clamp(x + std::max(w, 0), left, _width);
    const int bottom = std::clamp(y + std::max(h, 0), top, _height);
    Pixmap result(right - left, bottom - top);
    for (int row_ = top; row_ < bottom; ++row_) {
        std::memcpy(result.row(row_ - top), row(row_) + static_cast<std::size_t>(left) * 4,
                    static_cast<std::size_t>(right - left) * 4);
    }
    return result;
}

namespace {

struct ReadCursor {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (length > cursor->bytes.size() - cursor->position) {
        png_error(png, "truncated");
    }
    std::memcpy(out, cursor->bytes.data() + cursor->position, length);
    cursor->position += length;
}

// libpng reports through longjmp; these keep it quiet (a bad file is an ordinary null result).
void ignoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}
void failDecoding(png_structp png, png_const_charp /*message*/) {
    png_longjmp(png, 1);
}

// Everything libpng touches between setjmp and longjmp lives here, outside the function that
// calls setjmp, so no automatic variable of that function changes after setjmp.
struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ReadCursor cursor;
    Pixmap pixmap;
    std::vector<png_bytep> rows;

    ~Decoder() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
};

bool decodeInto(Decoder& decoder) {
    png_structp png = decoder.png;
    png_infop info = decoder.info;
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_user_limits(png, Pixmap::MAX_SIDE, Pixmap::MAX_SIDE);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_set_read_fn(png, &decoder.cursor, &readFromMemory);
    png_read_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > Pixmap::MAX_SIDE || height > Pixmap::MAX_SIDE) {
        return false;
    }
    // Deflate cannot expand more than about 1032:1, so image data larger than that many times
    // the file cannot be in it: refuse before allocating for a header that lies.
    const auto rawBytes = static_cast<std::uint64_t>(height) *
                          (static_cast<std::uint64_t>(png_get_rowbytes(png, info)) + 1);
    if (rawBytes > static_cast<std::uint64_t>(decoder.cursor.bytes.size()) * 1100) {
        return false;
    }
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0) {
        png_set_tRNS_to_alpha(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
    }
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
        return false;
    }

    decoder.pixmap = Pixmap(static_cast<int>(width), static_cast<int>(height));
    decoder.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        decoder.rows[y] = decoder.pixmap.row(static_cast<int>(y));
    }
    png_read_image(png, decoder.rows.data());
    png_read_end(png, nullptr);
    return true;
}

void writeToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp /*png*/) {}

struct Encoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<std::uint8_t> out;
    std::vector<png_bytep> rows;

    ~Encoder() { png_destroy_write_struct(&png, info != nullptr ? &info : nullptr); }
};

bool encodeInto(Encoder& encoder, const Pixmap& pixmap) {
    png_structp png = encoder.png;
    png_infop info = encoder.info;
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_write_fn(png, &encoder.out, &writeToVector, &flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap.width()),
                 static_cast<png_uint_32>(pixmap.height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, encoder.rows.data());
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::optional<Pixmap> decodePng(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return std::nullopt;
    }
    Decoder decoder;
    decoder.cursor.bytes = bytes;
    decoder.png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &failDecoding, &ignoreWarning);
    if (decoder.png == nullptr) {
        return std::nullopt;
    }
    decoder.info = png_create_info_struct(decoder.png);
    if (decoder.info == nullptr || !decodeInto(decoder)) {
        return std::nullopt;
    }
    return std::move(decoder.pixmap);
}

std::optional<Pixmap> loadPng(const std::string& url) {
    // A PNG of the largest accepted size compresses far below this.
    constexpr std::size_t maxFileBytes = 256u << 20;
    const auto bytes = loadBytes(url, maxFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return decodePng(*bytes);
}

std::vector<std::uint8_t> encodePng(const Pixmap& pixmap) {
    if (pixmap.empty()) {
        return {};
    }
    Encoder encoder;
    encoder.png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &failDecoding, &ignoreWarning);
    if (encoder.png == nullptr) {
        return {};
    }
    encoder.info = png_create_info_struct(encoder.png);
    if (encoder.info == nullptr) {
        return {};
    }
    encoder.rows.resize(static_cast<std::size_t>(pixmap.height()));
    for (int y = 0; y < pixmap.height(); ++y) {
        encoder.rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(pixmap.row(y));
    }
    if (!encodeInto(encoder, pixmap)) {
        return {};
    }
    return std::move(encoder.out);
}

bool savePng(const Pixmap& pixmap, const std::string& path) {
    const auto bytes = encodePng(pixmap);
    if (bytes.empty()) {
        return false;
    }
    const auto stream = openStream(path, STREAM_WRITE);
    return stream && stream->write(bytes.data(), bytes.size()) == bytes.size();
}

} // namespace tarvex::platform
