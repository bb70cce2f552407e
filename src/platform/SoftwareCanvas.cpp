#include "platform/SoftwareCanvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvex::platform {
namespace {

// round(x / 255) for 0 <= x <= 255 * 255, without a division.
constexpr std::uint32_t div255(std::uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

constexpr std::uint32_t WHITE = 0xffffffffu;

// Pixel and texel positions come from unchecked doubles: a sprite far off screen (y = 3e9) or
// a degenerate transform would overflow int, which is undefined. Anything past this limit lies
// outside every canvas and texture, so clamping changes no drawn pixel. NaN goes to the low
// end, where nothing is covered.
constexpr double POSITION_LIMIT = 1 << 30;

int ceilToInt(double value) {
    return value > -POSITION_LIMIT ? static_cast<int>(std::ceil(std::min(value, POSITION_LIMIT)))
                                   : -static_cast<int>(POSITION_LIMIT);
}

int floorToInt(double value) {
    return value > -POSITION_LIMIT ? static_cast<int>(std::floor(std::min(value, POSITION_LIMIT)))
                                   : -static_cast<int>(POSITION_LIMIT);
}

std::uint32_t modulate(std::uint32_t texel, std::uint32_t color) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t t = (texel >> shift) & 255;
        const std::uint32_t c = (color >> shift) & 255;
        out |= div255(t * c) << shift;
    }
    return out;
}

// The blend loops are the compositor's hot spot; they are written so that the compiler
// vectorises them, and built twice where the CPU allows: plain x86-64 and AVX2. Not in the
// sanitizer builds: the clone resolvers run before the sanitizer's runtime is ready.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__) &&                  \
    !defined(__SANITIZE_THREAD__) && !defined(__clang__)
#define TARVEX_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TARVEX_VECTOR_CLONES
#endif

// source x alpha + destination x (1 - alpha), every channel (alpha too) rounded.
TARVEX_VECTOR_CLONES
void blendAlpha(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t s = src[i];
        const std::uint32_t d = dst[i];
        const std::uint32_t a = s >> 24;
        const std::uint32_t ia = 255 - a;
        std::uint32_t rb = (s & 0xff00ffu) * a + (d & 0xff00ffu) * ia + 0x800080u;
        rb = ((rb + ((rb >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
        std::uint32_t ga = ((s >> 8) & 0xff00ffu) * a + ((d >> 8) & 0xff00ffu) * ia + 0x800080u;
        ga = (ga + ((ga >> 8) & 0xff00ffu)) & 0xff00ff00u;
        dst[i] = rb | ga;
    }
}

// destination + source x alpha, saturating.
TARVEX_VECTOR_CLONES
void blendLight(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int count) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t s = src[i];
        const std::uint32_t d = dst[i];
        const std::uint32_t a = s >> 24;
        std::uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const std::uint32_t sum = ((d >> shift) & 255) + div255(((s >> shift) & 255) * a);
            out |= std::min<std::uint32_t>(sum, 255) << shift;
        }
        dst[i] = out;
    }
}

// destination x source.
TARVEX_VECTOR_CLONES
void blendShade(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int count) {
    for (int i = 0; i < count; ++i) {
        dst[i] = modulate(dst[i], src[i]);
    }
}

void blendMask(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int count) {
    for (int i = 0; i < count; ++i) {
        if ((src[i] >> 24) >= 128) { // alpha above 0.5
            dst[i] = src[i];
        }
    }
}

void blendRow(int blend, std::uint32_t* dst, const std::uint32_t* src, int count) {
    switch (blend) {
    case 1:
        blendMask(dst, src, count);
        break;
    case 3:
        blendAlpha(dst, src, count);
        break;
    case 4:
        blendLight(dst, src, count);
        break;
    case 5:
        blendShade(dst, src, count);
        break;
    default:
        std::memcpy(dst, src, static_cast<std::size_t>(count) * 4);
        break;
    }
}

std::uint32_t lerpTexel(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 255;
        const std::uint32_t cb = (b >> shift) & 255;
        out |= div255(ca * (255 - weight) + cb * weight) << shift;
    }
    return out;
}

// The pixel-centre interval [lo, hi) along a row where f(x) = a + b * x lies in [0, 1).
void narrow(double a, double b, double& lo, double& hi) {
    if (b == 0.0) {
        if (a < 0.0 || a >= 1.0) {
            hi = lo; // empty
        }
        return;
    }
    double first = (0.0 - a) / b;
    double second = (1.0 - a) / b;
    if (b < 0.0) {
        std::swap(first, second);
    }
    lo = std::max(lo, first);
    hi = std::min(hi, second);
}

} // namespace

void SoftwareCanvas::resize(int width, int height) {
    if (width != _pixels.width() || height != _pixels.height()) {
        _pixels = Pixmap(width, height, rgba(0, 0, 0, 255));
        _row.assign(static_cast<std::size_t>(std::max(width, 1)), 0);
    }
}

void SoftwareCanvas::clear(std::uint32_t color, const ClipRect& clip) {
    const int left = std::max(clip.left, 0);
    const int right = std::min(clip.right, width());
    for (int y = std::max(clip.top, 0); y < std::min(clip.bottom, height()); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(_pixels.row(y));
        std::fill(row + left, row + right, color);
    }
}

void SoftwareCanvas::drawQuad(const CanvasQuad& quad, const Pixmap* texture, bool filtered,
                              std::uint32_t color, int blend, const ClipRect& clip) {
    // Corner 0 + s * (corner 1 - corner 0) + t * (corner 3 - corner 0), s and t in [0, 1).
    const double ox = quad.x[0];
    const double oy = quad.y[0];
    const double ex = quad.x[1] - ox;
    const double ey = quad.y[1] - oy;
    const double fx = quad.x[3] - ox;
    const double fy = quad.y[3] - oy;
    const double det = ex * fy - ey * fx;
    if (det == 0.0 || !std::isfinite(det)) {
        return;
    }
    // s = ((px - ox) * fy - (py - oy) * fx) / det,  t = ((py - oy) * ex - (px - ox) * ey) / det
    const double dsdx = fy / det;
    const double dtdx = -ey / det;

    const double minX = std::min({quad.x[0], quad.x[1], quad.x[2], quad.x[3]});
    const double maxX = std::max({quad.x[0], quad.x[1], quad.x[2], quad.x[3]});
    const double minY = std::min({quad.y[0], quad.y[1], quad.y[2], quad.y[3]});
    const double maxY = std::max({quad.y[0], quad.y[1], quad.y[2], quad.y[3]});
    const int clipLeft = std::max(clip.left, 0);
    const int clipRight = std::min(clip.right, width());
    const int top = std::max(ceilToInt(minY - 0.5), std::max(clip.top, 0));
    const int bottom = std::min(ceilToInt(maxY - 0.5), std::min(clip.bottom, height()));
    if (clipLeft >= clipRight || !std::isfinite(minX) || !std::isfinite(maxX)) {
        return;
    }

    if (ey == 0.0 && fx == 0.0 && !filtered) {
        _drawUpright(quad, texture, color, blend, clip);
        return;
    }
    const double du = static_cast<double>(quad.u1) - quad.u0;
    const double dv = static_cast<double>(quad.v1) - quad.v0;
    const int texWidth = texture != nullptr ? texture->width() : 0;
    const bool plainWhite = color == WHITE;
    for (int py = top; py < bottom; ++py) {
        const double cy = py + 0.5 - oy;
        // s and t at pixel-centre x = 0 of this row.
        const double s0 = (-ox * fy - cy * fx) / det;
        const double t0 = (cy * ex + ox * ey) / det;
        double lo = minX - 1.0;
        double hi = maxX + 1.0;
        narrow(s0, dsdx, lo, hi);
        narrow(t0, dtdx, lo, hi);
        // Pixel px is covered when its centre px + 0.5 lies in [lo, hi).
        const int first = std::max(ceilToInt(lo - 0.5), clipLeft);
        const int last = std::min(ceilToInt(hi - 0.5), clipRight);
        if (first >= last) {
            continue;
        }
        const int count = last - first;
        std::uint32_t* src = _row.data();
        const std::uint32_t* source = src;
        if (texture == nullptr) {
            std::fill(src, src + count, color);
        } else if (dtdx == 0.0 && !filtered) {
            // Not rotated: one texel row, texel columns stepping evenly (sprites and text).
            const auto* texels = reinterpret_cast<const std::uint32_t*>(texture->data());
            const double v = quad.v0 + std::clamp(t0, 0.0, 1.0) * dv;
            const int tv = std::clamp(floorToInt(v), quad.minV, quad.maxV);
            const std::uint32_t* texelRow =
                texels + static_cast<std::size_t>(tv) * static_cast<std::size_t>(texWidth);
            const double uFirst = quad.u0 + (s0 + (first + 0.5) * dsdx) * du;
            const double uStep = dsdx * du;
            const int tuFirst = floorToInt(uFirst);
            if (uStep == 1.0 && tuFirst >= quad.minU && tuFirst + count - 1 <= quad.maxU) {
                source = texelRow + tuFirst; // one texel per pixel: blend straight from the image
            } else {
                // 16.16 fixed point keeps the loop free of floating-point rounding calls.
                auto position = static_cast<std::int64_t>(std::floor(uFirst * 65536.0));
                const auto step = static_cast<std::int64_t>(std::llround(uStep * 65536.0));
                for (int i = 0; i < count; ++i, position += step) {
                    const int tu =
                        std::clamp(static_cast<int>(position >> 16), quad.minU, quad.maxU);
                    src[i] = texelRow[tu];
                }
            }
            if (!plainWhite) {
                for (int i = 0; i < count; ++i) {
                    src[i] = modulate(source[i], color);
                }
                source = src;
            }
        } else {
            const auto* texels = reinterpret_cast<const std::uint32_t*>(texture->data());
            for (int i = 0; i < count; ++i) {
                const double cx = first + i + 0.5;
                const double s = std::clamp(s0 + cx * dsdx, 0.0, 1.0);
                const double t = std::clamp(t0 + cx * dtdx, 0.0, 1.0);
                const double u = quad.u0 + s * du;
                const double v = quad.v0 + t * dv;
                if (!filtered) {
                    const int tu = std::clamp(floorToInt(u), quad.minU, quad.maxU);
                    const int tv = std::clamp(floorToInt(v), quad.minV, quad.maxV);
                    src[i] =
                        texels[static_cast<std::size_t>(tv) * static_cast<std::size_t>(texWidth) +
                               static_cast<std::size_t>(tu)];
                } else {
                    const double su = u - 0.5;
                    const double sv = v - 0.5;
                    const double baseU = std::floor(su);
                    const double baseV = std::floor(sv);
                    const auto wu = static_cast<std::uint32_t>(std::lround((su - baseU) * 255.0));
                    const auto wv = static_cast<std::uint32_t>(std::lround((sv - baseV) * 255.0));
                    const int u0 = std::clamp(floorToInt(baseU), quad.minU, quad.maxU);
                    const int u1 = std::clamp(floorToInt(baseU) + 1, quad.minU, quad.maxU);
                    const int v0 = std::clamp(floorToInt(baseV), quad.minV, quad.maxV);
                    const int v1 = std::clamp(floorToInt(baseV) + 1, quad.minV, quad.maxV);
                    const auto at = [&](int x, int y) {
                        return texels[static_cast<std::size_t>(y) *
                                          static_cast<std::size_t>(texWidth) +
                                      static_cast<std::size_t>(x)];
                    };
                    src[i] = lerpTexel(lerpTexel(at(u0, v0), at(u1, v0), wu),
                                       lerpTexel(at(u0, v1), at(u1, v1), wu), wv);
                }
            }
            if (!plainWhite) {
                for (int i = 0; i < count; ++i) {
                    src[i] = modulate(src[i], color);
                }
            }
        }
        auto* dst = reinterpret_cast<std::uint32_t*>(_pixels.row(py)) + first;
        blendRow(blend, dst, source, count);
    }
}

} // namespace tarvex::platform

namespace tarvex::platform {

void SoftwareCanvas::_drawUpright(const CanvasQuad& quad, const Pixmap* texture,
                                  std::uint32_t color, int blend, const ClipRect& clip) {
    // Corner 0 is where (u0, v0) lands; corner 1 and corner 3 may lie left of or above it when
    // the draw is mirrored by a negative scale.
    const double x0 = quad.x[0];
    const double y0 = quad.y[0];
    const double ex = quad.x[1] - x0;
    const double fy = quad.y[3] - y0;
    const int first = std::max(ceilToInt(std::min(x0, x0 + ex) - 0.5), std::max(clip.left, 0));
    const int last =
        std::min(ceilToInt(std::max(x0, x0 + ex) - 0.5), std::min(clip.right, width()));
    const int top = std::max(ceilToInt(std::min(y0, y0 + fy) - 0.5), std::max(clip.top, 0));
    const int bottom =
        std::min(ceilToInt(std::max(y0, y0 + fy) - 0.5), std::min(clip.bottom, height()));
    if (first >= last || top >= bottom) {
        return;
    }
    const int count = last - first;
    std::uint32_t* src = _row.data();
    if (texture == nullptr) {
        std::fill(src, src + count, color);
        for (int py = top; py < bottom; ++py) {
            blendRow(blend, reinterpret_cast<std::uint32_t*>(_pixels.row(py)) + first, src, count);
        }
        return;
    }

    // Texel positions step evenly across the quad; 16.16 fixed point keeps the per-pixel and
    // per-row work to integer additions.
    const double uStep = (static_cast<double>(quad.u1) - quad.u0) / ex;
    const double vStep = (static_cast<double>(quad.v1) - quad.v0) / fy;
    const auto fixed = [](double value) {
        return static_cast<std::int64_t>(std::floor(value * 65536.0));
    };
    const std::int64_t uFirst = fixed(quad.u0 + (first + 0.5 - x0) * uStep);
    const std::int64_t uDelta = std::llround(uStep * 65536.0);
    const int tuFirst = static_cast<int>(uFirst >> 16);
    const bool contiguous =
        uDelta == 65536 && tuFirst >= quad.minU && tuFirst + count - 1 <= quad.maxU;
    if (!contiguous) {
        // Texel column of every covered pixel, worked out once for all rows.
        _columns.resize(static_cast<std::size_t>(count));
        std::int64_t position = uFirst;
        for (int i = 0; i < count; ++i, position += uDelta) {
            _columns[static_cast<std::size_t>(i)] =
                std::clamp(static_cast<int>(position >> 16), quad.minU, quad.maxU);
        }
    }
    const auto* texels = reinterpret_cast<const std::uint32_t*>(texture->data());
    const bool plainWhite = color == WHITE;
    std::int64_t vPosition = fixed(quad.v0 + (top + 0.5 - y0) * vStep);
    const std::int64_t vDelta = std::llround(vStep * 65536.0);
    for (int py = top; py < bottom; ++py, vPosition += vDelta) {
        const int tv = std::clamp(static_cast<int>(vPosition >> 16), quad.minV, quad.maxV);
        const std::uint32_t* texelRow =
            texels + static_cast<std::size_t>(tv) * static_cast<std::size_t>(texture->width());
        const std::uint32_t* source = src;
        if (contiguous) {
            source = texelRow + tuFirst; // one texel per pixel: blend straight from the image
        } else {
            for (int i = 0; i < count; ++i) {
                src[i] = texelRow[_columns[static_cast<std::size_t>(i)]];
            }
        }
        if (!plainWhite) {
            for (int i = 0; i < count; ++i) {
                src[i] = modulate(source[i], color);
            }
            source = src;
        }
        blendRow(blend, reinterpret_cast<std::uint32_t*>(_pixels.row(py)) + first, source, count);
    }
}

} // namespace tarvex::platform
