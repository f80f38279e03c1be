// frame_recorder.cpp -- what changed since the last frame, and drawing only that.
#include "toolkit/raster/frame_recorder.h"

#include <algorithm>

namespace tk {

namespace {

bool Meet(const Box& a, const Box& b) {
    return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

// Overlapping or side by side: one rectangle around both wastes little.
bool Touch(const Box& a, const Box& b) {
    return a.l <= b.r && b.l <= a.r && a.t <= b.b && b.t <= a.b;
}

Box Around(const Box& a, const Box& b) {
    return {std::min(a.l, b.l), std::min(a.t, b.t), std::max(a.r, b.r), std::max(a.b, b.b)};
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.l >= outer.l && inner.t >= outer.t && inner.r <= outer.r && inner.b <= outer.b;
}

}  // namespace

FrameRecorder::FrameRecorder() {
    damage_.reserve(kMostDamage + 2);
    bandItems_.reserve(8192);
    bandStart_.reserve(128);
}

DisplayList& FrameRecorder::Begin(const PixelView& target, bool holdsLast) {
    current_ = 1 - current_;
    target_ = target;
    holdsLast_ = holdsLast;
    lists_[current_].Clear(target.width, target.height);
    return lists_[current_];
}

void FrameRecorder::Finish() {
    const DisplayList& now = lists_[current_];
    const DisplayList& before = lists_[1 - current_];
    const bool sameFrame = lastDrawn_ && holdsLast_ && target_.pixels == lastTarget_.pixels &&
                           target_.width == lastTarget_.width &&
                           target_.height == lastTarget_.height &&
                           target_.stride == lastTarget_.stride;
    damage_.clear();
    if (sameFrame)
        FindDamage(now, before);
    else
        damage_.push_back({0, 0, now.Width(), now.Height()});
    IndexBands(now);
    pixelsDrawn_ = 0;
    for (const Box& d : damage_) {
        for (int band = d.t / kBandRows; band * kBandRows < d.b; ++band) {
            const Box piece{d.l, std::max(d.t, band * kBandRows), d.r,
                            std::min(d.b, (band + 1) * kBandRows)};
            pixelsDrawn_ += (long long)(piece.r - piece.l) * (piece.b - piece.t);
            DrawPiece(now, piece, band);
        }
    }
    lastDrawn_ = true;
    lastTarget_ = target_;
}

// The rectangles of every command that differs from the one at its place in the last frame,
// old and new, as one when they touch; too many of them become one per band.
void FrameRecorder::FindDamage(const DisplayList& now, const DisplayList& before) {
    const auto a = now.Commands(), b = before.Commands();
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (i < a.size() && i < b.size()) {
            if (now.Same(a[i], before, b[i])) continue;
            if (Touch(a[i].box, b[i].box)) {
                damage_.push_back(Around(a[i].box, b[i].box));
            } else {
                damage_.push_back(a[i].box);
                damage_.push_back(b[i].box);
            }
        } else {
            damage_.push_back(i < a.size() ? a[i].box : b[i].box);
        }
        if (damage_.size() > kMostDamage) break;
    }
    if (damage_.size() <= kMostDamage) return;
    // Every band drawn across the width of all that changed in it, from this command on too.
    const int bands = (now.Height() + kBandRows - 1) / kBandRows;
    std::vector<Box>& d = damage_;
    d.clear();
    for (int k = 0; k < bands; ++k)
        d.push_back({now.Width(), k * kBandRows, 0, std::min(now.Height(), (k + 1) * kBandRows)});
    auto widen = [&](const Box& box) {
        for (int k = box.t / kBandRows; k * kBandRows < box.b; ++k) {
            d[std::size_t(k)].l = std::min(d[std::size_t(k)].l, box.l);
            d[std::size_t(k)].r = std::max(d[std::size_t(k)].r, box.r);
        }
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (i < a.size() && i < b.size() && now.Same(a[i], before, b[i])) continue;
        if (i < a.size()) widen(a[i].box);
        if (i < b.size()) widen(b[i].box);
    }
    std::erase_if(d, [](const Box& box) { return box.Empty(); });
}

// For each band of rows, the commands that reach into it, in drawing order.
void FrameRecorder::IndexBands(const DisplayList& now) {
    const auto commands = now.Commands();
    const int bands = (now.Height() + kBandRows - 1) / kBandRows;
    bandStart_.assign(std::size_t(bands) + 1, 0);
    for (const DrawCommand& c : commands)
        for (int k = c.box.t / kBandRows; k * kBandRows < c.box.b; ++k)
            ++bandStart_[std::size_t(k) + 1];
    for (int k = 0; k < bands; ++k)
        bandStart_[std::size_t(k) + 1] += bandStart_[std::size_t(k)];
    bandItems_.resize(bandStart_.back());
    // Filled from the back: each band's end moves down to its start, then one place down.
    for (std::size_t i = commands.size(); i-- > 0;) {
        const Box& box = commands[i].box;
        for (int k = box.t / kBandRows; k * kBandRows < box.b; ++k)
            bandItems_[--bandStart_[std::size_t(k) + 1]] = std::uint32_t(i);
    }
    for (int k = 0; k < bands; ++k)
        bandStart_[std::size_t(k)] = bandStart_[std::size_t(k) + 1];
    bandStart_[std::size_t(bands)] = std::uint32_t(bandItems_.size());
}

// The piece afresh: from the last command that covers all of it (what lies under that cannot
// show) to the end, each command that reaches it, clipped to it.
void FrameRecorder::DrawPiece(const DisplayList& now, Box piece, int band) {
    const auto commands = now.Commands();
    const std::uint32_t* first = bandItems_.data() + bandStart_[std::size_t(band)];
    const std::uint32_t* last = bandItems_.data() + bandStart_[std::size_t(band) + 1];
    const std::uint32_t* from = first;
    for (const std::uint32_t* p = last; p-- > first;) {
        const DrawCommand& c = commands[*p];
        if (c.covers && Inside(piece, c.box)) {
            from = p;
            break;
        }
    }
    Canvas canvas(target_);
    canvas.SetClip(piece);
    for (const std::uint32_t* p = from; p < last; ++p) {
        const DrawCommand& c = commands[*p];
        if (Meet(c.box, piece)) now.Run(c, canvas);
    }
}

}  // namespace tk
