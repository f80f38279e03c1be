// canvas.cpp -- lines, ellipses, rectangles, text and pictures on a Bitmap, clipped exactly.
#include "toolkit/raster/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "toolkit/raster/display_list.h"
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

// The steps i in [0, n) whose coordinate c0 + s * i lies in [lo, hi).
Span MajorRange(long long c0, int s, long long n, int lo, int hi) {
    Span r{0, n - 1};
    if (s > 0) {
        r.lo = std::max(r.lo, lo - c0);
        r.hi = std::min(r.hi, hi - 1 - c0);
    } else {
        r.lo = std::max(r.lo, c0 - (hi - 1));
        r.hi = std::min(r.hi, c0 - lo);
    }
    return r;
}

// [left, right) x [top, bottom) cut to the clip, in the wide type sums were made in.
struct Clip {
    long long l, t, r, b;
    bool Empty() const { return l >= r || t >= b; }
};
Clip ClipTo(const Box& clip, long long left, long long top, long long right, long long bottom) {
    return {std::max<long long>(left, clip.l), std::max<long long>(top, clip.t),
            std::min<long long>(right, clip.r), std::min<long long>(bottom, clip.b)};
}

Box BoxOf(long long left, long long top, long long right, long long bottom) {
    auto cut = [](long long v) { return int(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); };
    return {cut(left), cut(top), cut(right), cut(bottom)};
}

void FillPixels(const PixelView& target, const Clip& c, Color colour) {
    if (c.Empty()) return;
    for (long long y = c.t; y < c.b; ++y) {
        Color* row = target.Row(int(y));
        std::fill(row + c.l, row + c.r, colour);
    }
}

}  // namespace

bool Canvas::WrittenDown(DrawOp op, Box box, Color c, bool covers) {
    if (!record_) return false;
    DrawCommand d;
    d.op = op;
    d.covers = covers;
    d.x0 = box.l, d.y0 = box.t, d.x1 = box.r, d.y1 = box.b;
    d.color = c;
    d.box = box;
    record_->Add(d);
    return true;
}

void Canvas::SetClip(Box clip) {
    clip_ = {std::max(clip.l, 0), std::max(clip.t, 0), std::min(clip.r, target_.width),
             std::min(clip.b, target_.height)};
}

// The one rule: a line of n = max(|dx|, |dy|) pixels, pixel i at major offset i and minor
// offset floor((2 i a + b) / 2b) with a = |minor span|, b = |major span| (Bresenham, ties rounded
// away from the start). The end point is left out. The visible steps are found by arithmetic,
// so a line from far outside costs only its visible pixels.
void Canvas::LineTo(int x, int y) {
    const long long x0 = penX_, y0 = penY_;
    penX_ = x;
    penY_ = y;
    if (record_) {
        DrawCommand c;
        c.op = DrawOp::Line;
        c.x0 = int(x0), c.y0 = int(y0), c.x1 = x, c.y1 = y;
        c.color = pen_;
        c.box = BoxOf(std::min<long long>(x0, x), std::min<long long>(y0, y),
                      std::max<long long>(x0, x) + 1, std::max<long long>(y0, y) + 1);
        record_->Add(c);
        return;
    }
    const long long dx = (long long)x - x0, dy = (long long)y - y0;
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady;
    if (n == 0) return;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    if (clip_.Empty()) return;
    const long long S = target_.stride;

    const long long major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const int smaj = xMajor ? sx : sy, smin = xMajor ? sy : sx;
    const int majLo = xMajor ? clip_.l : clip_.t, majHi = xMajor ? clip_.r : clip_.b;
    const int minLo = xMajor ? clip_.t : clip_.l, minHi = xMajor ? clip_.b : clip_.r;
    const long long a = xMajor ? ady : adx, b = n;

    // A line whose ends both lie inside the clip is drawn whole without the clipping sums (the
    // stars, the sparks, the rain).
    const bool inside =
        std::min<long long>(x0, x) >= clip_.l && std::max<long long>(x0, x) < clip_.r &&
        std::min<long long>(y0, y) >= clip_.t && std::max<long long>(y0, y) < clip_.b;
    Span r{0, n - 1};
    if (!inside) {
        r = MajorRange(major0, smaj, n, majLo, majHi);
        if (r.lo > r.hi) return;
        // Minor offsets m that stay inside: minor0 + smin * m in [minLo, minHi).
        Span m = MajorRange(minor0, smin, (long long)1 << 40, minLo, minHi);
        if (m.lo > m.hi) return;
        if (a == 0) {
            if (m.lo > 0) return;
        } else {
            // m(i) >= m.lo  <=>  i >= ceil((2 b m.lo - b) / 2a);  m(i) <= m.hi  <=>  2ia + b <
            // 2b(m.hi+1).
            r.lo =
                std::max<long long>(r.lo, (long long)CeilDiv(Wide(2) * b * m.lo - b, Wide(2) * a));
            r.hi = std::min<long long>(
                r.hi, (long long)(CeilDiv(Wide(2) * b * (m.hi + 1) - b, Wide(2) * a) - 1));
            if (r.lo > r.hi) return;
        }
    }

    // From step 0 the sum starts at b: minor offset 0, remainder b.
    long long minor = 0, rem = b;
    if (r.lo > 0) {
        const Wide num = Wide(2) * r.lo * a + b;
        minor = (long long)(num / (Wide(2) * b));
        rem = (long long)(num % (Wide(2) * b));
    }
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
    if (WrittenDown(DrawOp::Ellipse, {left, top, right, bottom}, pen_, false)) return;
    if (right <= left || bottom <= top || clip_.Empty()) return;
    const Box k = clip_;
    const double cx = ((double)left + right - 1) / 2, rx = ((double)right - left - 1) / 2;
    const double cy = ((double)top + bottom - 1) / 2, ry = ((double)bottom - top - 1) / 2;
    auto set = [&](long long x, long long y) {
        if (x >= k.l && y >= k.t && x < k.r && y < k.b)
            target_.pixels[y * target_.stride + x] = pen_;
    };
    auto half = [](double offset, double radius, double other) {
        double u = radius > 0 ? offset / radius : 0;
        u = std::clamp(u, -1.0, 1.0);
        return other * std::sqrt(1 - u * u);
    };
    long long xa = std::max<long long>(left, k.l), xb = std::min<long long>(right - 1LL, k.r - 1);
    for (long long x = xa; x <= xb; ++x) {
        double h = half(x - cx, rx, ry);
        set(x, (long long)std::floor(cy - h + 0.5));
        set(x, (long long)std::floor(cy + h + 0.5));
    }
    long long ya = std::max<long long>(top, k.t), yb = std::min<long long>(bottom - 1LL, k.b - 1);
    for (long long y = ya; y <= yb; ++y) {
        double w = half(y - cy, ry, rx);
        set((long long)std::floor(cx - w + 0.5), y);
        set((long long)std::floor(cx + w + 0.5), y);
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom, Color c) {
    if (WrittenDown(DrawOp::FillRect, {left, top, right, bottom}, c, true)) return;
    FillPixels(target_, ClipTo(clip_, left, top, right, bottom), c);
}

void Canvas::Fill(Color c) {
    if (WrittenDown(DrawOp::Fill, {0, 0, target_.width, target_.height}, c, true)) return;
    FillPixels(target_, ClipTo(clip_, 0, 0, target_.width, target_.height), c);
}

void Canvas::Hatch(int left, int top, int right, int bottom, Color c) {
    if (WrittenDown(DrawOp::Hatch, {left, top, right, bottom}, c, false)) return;
    const Clip k = ClipTo(clip_, left, top, right, bottom);
    if (k.Empty()) return;
    const long long from = k.l + ((k.l - left) & 1);  // the first column of the hatch inside
    for (long long y = k.t; y < k.b; ++y) {
        Color* row = target_.Row(int(y));
        for (long long x = from; x < k.r; x += 2)
            row[x] = c;
    }
}

TextSize Canvas::TextExtent(std::string_view text) const {
    const GlyphSet& set = GlyphsFor(fontSize_, bold_);
    return {TextWidth(set, text), set.CellHeight()};
}

namespace {

// Every pixel a text may write: its glyphs' bitmaps, and with an opaque background its cells.
Box TextBox(const GlyphSet& set, int x, int y, std::string_view text, bool opaque) {
    const long long baseline = (long long)y + set.ascender;
    long long pen = x;
    long long l = INT64_MAX, t = INT64_MAX, r = INT64_MIN, b = INT64_MIN;
    if (opaque) {
        l = x;
        t = y;
        r = std::min<long long>((long long)x + TextWidth(set, text), INT32_MAX);
        b = std::min<long long>((long long)y + set.CellHeight(), INT32_MAX);
    }
    for (unsigned char ch : text) {
        const Glyph& g = set.glyphs[ch];
        const long long gx = pen + g.left, gy = baseline - g.top;
        pen += g.advance;
        if (g.width <= 0 || g.rows <= 0) continue;
        l = std::min(l, gx);
        t = std::min(t, gy);
        r = std::max(r, gx + g.width);
        b = std::max(b, gy + g.rows);
    }
    return l < r && t < b ? BoxOf(l, t, r, b) : Box{};
}

}  // namespace

// Glyph coverage is blended over the target (coverage 255 is the font colour exactly), so
// small sizes stay readable; the opaque background is filled first over the whole cell.
void Canvas::TextOut(int x, int y, std::string_view text) {
    const GlyphSet& set = GlyphsFor(fontSize_, bold_);
    if (record_) {
        DrawCommand c;
        c.op = DrawOp::Text;
        c.bold = bold_;
        c.opaque = textOpaque_;
        c.fontSize = fontSize_;
        c.x0 = x, c.y0 = y;
        c.color = fontColor_;
        c.background = textOpaque_ ? textBackground_ : 0;
        c.box = TextBox(set, x, y, text, textOpaque_);
        record_->Add(c, text);
        return;
    }
    if (textOpaque_) {
        long long right = (long long)x + TextWidth(set, text);
        FillRect(x, y, (int)std::min<long long>(right, INT32_MAX),
                 (int)std::min<long long>((long long)y + set.CellHeight(), INT32_MAX),
                 textBackground_);
    }
    const Box k = clip_;
    const long long baseline = (long long)y + set.ascender;
    const int fr = RedOf(fontColor_), fg = GreenOf(fontColor_), fb = BlueOf(fontColor_);
    long long pen = x;
    for (unsigned char ch : text) {
        const Glyph& g = set.glyphs[ch];
        const long long gx = pen + g.left, gy = baseline - g.top;
        pen += g.advance;
        if (gx >= k.r || gy >= k.b || gx + g.width <= k.l || gy + g.rows <= k.t) continue;
        const int c0 = (int)std::max<long long>(0, k.l - gx),
                  c1 = (int)std::min<long long>(g.width, k.r - gx);
        const int r0 = (int)std::max<long long>(0, k.t - gy),
                  r1 = (int)std::min<long long>(g.rows, k.b - gy);
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
}

namespace {

// Copies the part of `src` inside `c` to (x, y), row by row.
void CopyOpaque(const PixelView& dst, long long x, long long y, const Bitmap& src, const Clip& c) {
    if (c.Empty()) return;
    const std::size_t n = std::size_t(c.r - c.l);
    for (long long row = c.t; row < c.b; ++row) {
        const Color* s = src.pixels.data() + std::size_t(row - y) * src.width + (c.l - x);
        std::memcpy(dst.Row(int(row)) + c.l, s, n * sizeof(Color));
    }
}

// Copies the opaque runs of a transparent picture that lie inside `c` to (x, y); the key
// colour's pixels are never touched.
void CopyRuns(const PixelView& dst, long long x, long long y, const Picture& picture,
              const Clip& c) {
    if (c.Empty()) return;
    const Bitmap& src = picture.Pixels();
    const long long from = c.l - x, to = c.r - x;  // visible source columns [from, to)
    for (long long row = c.t; row < c.b; ++row) {
        const int sy = int(row - y);
        const Color* s = src.pixels.data() + std::size_t(sy) * src.width + from;
        Color* d = dst.Row(int(row)) + c.l;  // both at the first visible column
        for (const OpaqueRun& run : picture.RunsOf(sy, from, to)) {
            const long long a = std::max<long long>(run.begin, from) - from;
            const long long b = std::min<long long>(run.end, to) - from;
            if (a < b) std::memcpy(d + a, s + a, std::size_t(b - a) * sizeof(Color));
        }
    }
}

}  // namespace

void Canvas::Draw(int x, int y, const Picture& picture) {
    Draw(x, y, picture, picture.Width(), picture.Height());
}

void Canvas::Draw(int x, int y, const Picture& picture, int width, int height) {
    // Decoded before anything is drawn or written down, so a broken file draws nothing.
    const Bitmap& pixels = picture.Pixels();
    const long long w = std::clamp(width, 0, pixels.width),
                    h = std::clamp(height, 0, pixels.height);
    if (record_) {
        DrawCommand c;
        c.op = DrawOp::Picture;
        c.covers = !picture.Transparent();
        c.x0 = x, c.y0 = y, c.x1 = int(w), c.y1 = int(h);
        c.source = &picture;
        c.box = BoxOf(x, y, x + w, y + h);
        record_->Add(c);
        return;
    }
    const Clip c = ClipTo(clip_, x, y, x + w, y + h);
    if (picture.Transparent())
        CopyRuns(target_, x, y, picture, c);
    else
        CopyOpaque(target_, x, y, pixels, c);
}

void Canvas::Blit(int x, int y, const Bitmap& source) {
    if (record_) {
        DrawCommand c;
        c.op = DrawOp::Blit;
        c.covers = true;
        c.x0 = x, c.y0 = y;
        c.source = &source;
        c.box = BoxOf(x, y, (long long)x + source.width, (long long)y + source.height);
        record_->Add(c);
        return;
    }
    CopyOpaque(target_, x, y, source,
               ClipTo(clip_, x, y, (long long)x + source.width, (long long)y + source.height));
}

}  // namespace tk
