// canvas.cpp -- lines, ellipses, rectangles, text and pictures on a Bitmap, clipped exactly.
#include "toolkit/raster/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "toolkit/raster/font.h"
#include "toolkit/raster/picture.h"

namespace tk {
namespace {

__extension__ typedef __int128 Wide;  // products of two 33-bit spans

// Floor and ceiling division for a positive divisor.
Wide FloorDiv(Wide n, Wide d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}
Wide CeilDiv(Wide n, Wide d) {
    return -FloorDiv(-n, d);
}

struct Span {
    long long lo, hi;  // inclusive; empty when lo > hi
};

// The steps i in [0, n) whose coordinate c0 + s * i lies in [0, size).
Span MajorRange(long long c0, int s, long long n, int size) {
    Span r{0, n - 1};
    if (s > 0) {
        r.lo = std::max(r.lo, -c0);
        r.hi = std::min(r.hi, size - 1 - c0);
    } else {
        r.lo = std::max(r.lo, c0 - (size - 1));
        r.hi = std::min(r.hi, c0);
    }
    return r;
}

// Fills [left, right) x [top, bottom) clipped, without marking it drawn.
void FillPixels(const PixelView& target, int left, int top, int right, int bottom, Color c) {
    const int W = target.width, H = target.height;
    const int l = std::max(left, 0), t = std::max(top, 0);
    const int r = std::min(right, W), b = std::min(bottom, H);
    if (l >= r || t >= b) return;
    for (int y = t; y < b; ++y) {
        Color* row = target.Row(y);
        std::fill(row + l, row + r, c);
    }
}

}  // namespace

// The one rule: a line of n = max(|dx|, |dy|) pixels, pixel i at major offset i and minor
// offset floor((2 i a + b) / 2b) with a = |minor span|, b = |major span| (Bresenham, ties rounded
// away from the start). The end point is left out. The visible steps are found by arithmetic,
// so a line from far outside costs only its visible pixels.
void Canvas::LineTo(int x, int y) {
    Settle();
    const long long x0 = penX_, y0 = penY_;
    Mark(std::min<long long>(x0, x), std::min<long long>(y0, y), std::max<long long>(x0, x) + 1,
         std::max<long long>(y0, y) + 1);
    penX_ = x;
    penY_ = y;
    const long long dx = (long long)x - x0, dy = (long long)y - y0;
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady;
    if (n == 0) return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const int W = target_.width, H = target_.height;
    if (W <= 0 || H <= 0) return;
    const long long S = target_.stride;

    const long long major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const int smaj = xMajor ? sx : sy, smin = xMajor ? sy : sx;
    const int majSize = xMajor ? W : H, minSize = xMajor ? H : W;
    const long long a = xMajor ? ady : adx, b = n;

    Span r = MajorRange(major0, smaj, n, majSize);
    if (r.lo > r.hi) return;
    // Minor offsets m that stay inside: minor0 + smin * m in [0, minSize).
    Span m = MajorRange(minor0, smin, (long long)1 << 40, minSize);
    if (m.lo > m.hi) return;
    if (a == 0) {
        if (m.lo > 0) return;
    } else {
        // m(i) >= m.lo  <=>  i >= ceil((2 b m.lo - b) / 2a);  m(i) <= m.hi  <=>  2ia + b <
        // 2b(m.hi+1).
        r.lo = std::max<long long>(r.lo, (long long)CeilDiv(Wide(2) * b * m.lo - b, Wide(2) * a));
        r.hi = std::min<long long>(
            r.hi, (long long)(CeilDiv(Wide(2) * b * (m.hi + 1) - b, Wide(2) * a) - 1));
        if (r.lo > r.hi) return;
    }

    Wide num = Wide(2) * r.lo * a + b;
    long long minor = (long long)(num / (Wide(2) * b));
    long long rem = (long long)(num % (Wide(2) * b));
    const long long twoA = 2 * a, twoB = 2 * b;
    Color* px = target_.pixels;
    const Color c = pen_;
    if (a == 0 && xMajor) {  // horizontal: one row
        long long xa = x0 + sx * r.lo, xb = x0 + sx * r.hi;
        if (xa > xb) std::swap(xa, xb);
        std::fill(px + y0 * S + xa, px + y0 * S + xb + 1, c);
        return;
    }
    if (a == 0) {  // vertical: one column, stepped by the row stride
        long long ya = y0 + sy * r.lo, yb = y0 + sy * r.hi;
        if (ya > yb) std::swap(ya, yb);
        for (Color* p = px + ya * S + x0; ya <= yb; ++ya, p += S)
            *p = c;
        return;
    }
    for (long long i = r.lo; i <= r.hi; ++i) {
        long long maj = major0 + smaj * i, mi = minor0 + smin * minor;
        if (xMajor)
            px[mi * S + maj] = c;
        else
            px[maj * S + mi] = c;
        rem += twoA;
        if (rem >= twoB) {
            rem -= twoB;
            ++minor;
        }
    }
}

void Canvas::Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
}

void Canvas::Plot(int x, int y) {
    if (x == INT32_MAX) {  // the one-pixel line would leave the int range: it is never visible
        MoveTo(x, y);
        return;
    }
    Line(x, y, x + 1, y);
}

// The outline of the ellipse inscribed in the pixel box [left, right - 1] x [top, bottom - 1]:
// for each column its upper and lower pixel, for each row its left and right pixel, so the
// outline has no gaps and touches all four sides of the box without leaving it. Only visible
// columns and rows are visited.
void Canvas::Ellipse(int left, int top, int right, int bottom) {
    Settle();
    Mark(left, top, right, bottom);
    const int W = target_.width, H = target_.height;
    if (right <= left || bottom <= top || W <= 0 || H <= 0) return;
    const double cx = ((double)left + right - 1) / 2, rx = ((double)right - left - 1) / 2;
    const double cy = ((double)top + bottom - 1) / 2, ry = ((double)bottom - top - 1) / 2;
    auto set = [&](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < W && y < H) target_.pixels[y * target_.stride + x] = pen_;
    };
    auto half = [](double offset, double radius, double other) {
        double u = radius > 0 ? offset / radius : 0;
        u = std::clamp(u, -1.0, 1.0);
        return other * std::sqrt(1 - u * u);
    };
    long long xa = std::max<long long>(left, 0), xb = std::min<long long>(right - 1LL, W - 1);
    for (long long x = xa; x <= xb; ++x) {
        double h = half(x - cx, rx, ry);
        set(x, (long long)std::floor(cy - h + 0.5));
        set(x, (long long)std::floor(cy + h + 0.5));
    }
    long long ya = std::max<long long>(top, 0), yb = std::min<long long>(bottom - 1LL, H - 1);
    for (long long y = ya; y <= yb; ++y) {
        double w = half(y - cy, ry, rx);
        set((long long)std::floor(cx - w + 0.5), y);
        set((long long)std::floor(cx + w + 0.5), y);
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom, Color c) {
    Settle();
    Mark(left, top, right, bottom);
    FillPixels(target_, left, top, right, bottom, c);
}

TextSize Canvas::TextExtent(std::string_view text) const {
    const GlyphSet& set = GlyphsFor(fontSize_, bold_);
    return {TextWidth(set, text), set.CellHeight()};
}

// Glyph coverage is blended over the target (coverage 255 is the font colour exactly), so
// small sizes stay readable; the opaque background is filled first over the whole cell.
void Canvas::TextOut(int x, int y, std::string_view text) {
    Settle();
    const GlyphSet& set = GlyphsFor(fontSize_, bold_);
    const int W = target_.width, H = target_.height;
    if (textOpaque_) {
        long long right = (long long)x + TextWidth(set, text);
        FillRect(x, y, (int)std::min<long long>(right, INT32_MAX),
                 (int)std::min<long long>((long long)y + set.CellHeight(), INT32_MAX),
                 textBackground_);
    }
    const long long baseline = (long long)y + set.ascender;
    const int fr = RedOf(fontColor_), fg = GreenOf(fontColor_), fb = BlueOf(fontColor_);
    long long pen = x;
    long long drawnLeft = INT64_MAX, drawnTop = INT64_MAX, drawnRight = 0, drawnBottom = 0;
    for (unsigned char ch : text) {
        const Glyph& g = set.glyphs[ch];
        const long long gx = pen + g.left, gy = baseline - g.top;
        pen += g.advance;
        if (gx >= W || gy >= H || gx + g.width <= 0 || gy + g.rows <= 0) continue;
        const int c0 = (int)std::max<long long>(0, -gx),
                  c1 = (int)std::min<long long>(g.width, W - gx);
        const int r0 = (int)std::max<long long>(0, -gy),
                  r1 = (int)std::min<long long>(g.rows, H - gy);
        drawnLeft = std::min(drawnLeft, gx + c0);
        drawnRight = std::max(drawnRight, gx + c1);
        drawnTop = std::min(drawnTop, gy + r0);
        drawnBottom = std::max(drawnBottom, gy + r1);
        for (int r = r0; r < r1; ++r) {
            const std::uint8_t* cov = g.coverage.data() + std::size_t(r) * g.width;
            Color* row = target_.Row(int(gy + r));
            for (int c = c0; c < c1; ++c) {
                Color* dst = row + (gx + c);
                const int a = cov[c];
                if (a == 0) continue;
                if (a == 255) {
                    *dst = fontColor_;
                    continue;
                }
                const Color d = *dst;
                *dst = Rgb((fr * a + RedOf(d) * (255 - a) + 127) / 255,
                           (fg * a + GreenOf(d) * (255 - a) + 127) / 255,
                           (fb * a + BlueOf(d) * (255 - a) + 127) / 255);
            }
        }
    }
    Mark(drawnLeft, drawnTop, drawnRight, drawnBottom);
}

namespace {

// The rectangle of the target that a w x h source at (x, y) covers, clipped; empty when
// l >= r or t >= b.
struct Clip {
    long long l, t, r, b;
};
Clip ClipTo(const PixelView& dst, int x, int y, int w, int h) {
    return {std::max<long long>(x, 0), std::max<long long>(y, 0),
            std::min<long long>((long long)x + w, dst.width),
            std::min<long long>((long long)y + h, dst.height)};
}

// Copies the visible part of `src` to (x, y), row by row.
void CopyOpaque(const PixelView& dst, int x, int y, const Bitmap& src) {
    const Clip c = ClipTo(dst, x, y, src.width, src.height);
    if (c.l >= c.r || c.t >= c.b) return;
    const std::size_t n = std::size_t(c.r - c.l);
    for (long long row = c.t; row < c.b; ++row) {
        const Color* s = src.pixels.data() + std::size_t(row - y) * src.width + (c.l - x);
        std::memcpy(dst.Row(int(row)) + c.l, s, n * sizeof(Color));
    }
}

// Copies the visible part of a transparent picture's opaque runs to (x, y); the key colour's
// pixels are never touched.
// With `drawn`, each row is marked from its first pixel copied to its last (the outline of a
// tower, not its whole rectangle, so the next frame's clear leaves the key colour's pixels be).
void CopyRuns(const PixelView& dst, int x, int y, const Picture& picture, DrawnRows* drawn) {
    const Bitmap& src = picture.Pixels();
    const Clip c = ClipTo(dst, x, y, src.width, src.height);
    if (c.l >= c.r || c.t >= c.b) return;
    const long long from = c.l - x,
                    to = c.r - x;  // visible source columns [from, to)
    for (long long row = c.t; row < c.b; ++row) {
        const int sy = int(row - y);
        const Color* s = src.pixels.data() + std::size_t(sy) * src.width + from;
        Color* d = dst.Row(int(row)) + c.l;  // both at the first visible column
        long long first = to, last = 0;
        for (const OpaqueRun& run : picture.RunsOf(sy)) {
            const long long a = std::max<long long>(run.begin, from) - from;
            const long long b = std::min<long long>(run.end, to) - from;
            if (a >= b) continue;
            std::memcpy(d + a, s + a, std::size_t(b - a) * sizeof(Color));
            first = std::min(first, a);
            last = b;
        }
        if (drawn && first < last) drawn->Mark(c.l + first, row, c.l + last, row + 1);
    }
}

}  // namespace

void Canvas::Draw(int x, int y, const Picture& picture) {
    if (picture.Transparent()) {
        Settle();
        CopyRuns(target_, x, y, picture, drawn_);
        return;
    }
    Mark(x, y, (long long)x + picture.Width(), (long long)y + picture.Height());
    // Decoded before anything is written, so a broken file leaves the fill owed, not half made.
    const Bitmap& pixels = picture.Pixels();
    if (fillOwed_) {
        const Clip c = ClipTo(target_, x, y, pixels.width, pixels.height);
        FillAround(c.l, c.t, c.r, c.b);
    }
    CopyOpaque(target_, x, y, pixels);
}

void Canvas::Blit(int x, int y, const Bitmap& source) {
    Settle();
    Mark(x, y, (long long)x + source.width, (long long)y + source.height);
    CopyOpaque(target_, x, y, source);
}

void Canvas::FillAround(long long l, long long t, long long r, long long b) {
    fillOwed_ = false;
    if (fillOnly_) {
        fillOnly_->Fill(target_, fillColor_, l, t, r, b);
        return;
    }
    const int W = target_.width, H = target_.height;
    if (l >= r || t >= b) {
        FillPixels(target_, 0, 0, W, H, fillColor_);
        return;
    }
    FillPixels(target_, 0, 0, W, int(t), fillColor_);
    FillPixels(target_, 0, int(b), W, H, fillColor_);
    FillPixels(target_, 0, int(t), int(l), int(b), fillColor_);
    FillPixels(target_, int(r), int(t), W, int(b), fillColor_);
}

}  // namespace tk
