// frame_recorder.cpp -- what changed since the last frame, and drawing only that.
#include "toolkit/raster/frame_recorder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "toolkit/raster/picture.h"

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

// Cuts from `box` what `cover` hides, where what is left is one rectangle.
void Uncover(Box& box, const Box& cover) {
    if (cover.l <= box.l && cover.r >= box.r) {
        if (cover.t <= box.t) box.t = std::max(box.t, cover.b);
        if (cover.b >= box.b) box.b = std::min(box.b, cover.t);
    } else if (cover.t <= box.t && cover.b >= box.b) {
        if (cover.l <= box.l) box.l = std::max(box.l, cover.r);
        if (cover.r >= box.r) box.r = std::min(box.r, cover.l);
    }
}

// The rectangle whose every pixel the command writes, whatever was there: a fill's or an
// opaque picture's whole box, a keyed picture's longest stretch of solid rows.
Box CoverOf(const DrawCommand& c) {
    if (c.covers) return c.box;
    if (c.op != DrawOp::Picture) return {};
    const auto* picture = static_cast<const Picture*>(c.source);
    Box r = c.box;
    r.t = int(std::max<long long>(r.t, (long long)c.y0 + picture->SolidFirst()));
    r.b = int(std::min<long long>(r.b, (long long)c.y0 + picture->SolidLast()));
    return r;
}

Box Common(const Box& a, const Box& b) {
    return {std::max(a.l, b.l), std::max(a.t, b.t), std::min(a.r, b.r), std::min(a.b, b.b)};
}

Box Shifted(Box box, int dx) {
    box.l += dx;
    box.r += dx;
    return box;
}

// The same opaque picture, the same rows, only moved sideways (the clouds drifting).
bool Slid(const DrawCommand& now, const DrawCommand& before) {
    return now.op == DrawOp::Picture && before.op == DrawOp::Picture && now.covers &&
           now.source == before.source && now.y0 == before.y0 && now.x1 == before.x1 &&
           now.y1 == before.y1 && now.x0 != before.x0 && now.box.t == before.box.t &&
           now.box.b == before.box.b;
}

bool Alike(const DrawCommand& a, const DrawCommand& b) {
    return a.op == b.op && a.source == b.source && a.box.r - a.box.l == b.box.r - b.box.l &&
           a.box.b - a.box.t == b.box.b - b.box.t;
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.l >= outer.l && inner.t >= outer.t && inner.r <= outer.r && inner.b <= outer.b;
}

// The command writes every pixel of the piece: a fill, or a picture with no key colour there
// (the cliffs' rock).
bool Covers(const DrawCommand& c, const Box& piece) {
    if (!Inside(piece, c.box)) return false;
    if (c.covers) return true;
    return c.op == DrawOp::Picture &&
           static_cast<const Picture*>(c.source)->Opaque(
               {piece.l - c.x0, piece.t - c.y0, piece.r - c.x0, piece.b - c.y0});
}

}  // namespace

FrameRecorder::FrameRecorder() {
    damage_.reserve(kMostDamage + 2);
    damageFrom_.reserve(kMostDamage + 2);
    covers_.reserve(1024);
    paired_.reserve(DisplayList::kCommands);
    cellRows_.reserve(16384);
    saved_.reserve(kMostSaved);
    savedBoxes_.reserve(DisplayList::kCommands);
    bandItems_.reserve(8192);
    coverItems_.reserve(8192);
    coverStart_.reserve(128);
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
    // The last frame's strokes can be taken off only from the pixels they were drawn on.
    const bool takeOff = sameFrame && strokesSaved_;
    const std::size_t strokesNow = StrokesOf(now);
    const std::size_t under = takeOff ? lastStrokes_ : before.Commands().size();
    damage_.clear();
    damageFrom_.clear();
    sliding_ = false;
    paired_.assign(strokesNow, 0);
    if (sameFrame)
        FindDamage(now, before, strokesNow, under);
    else
        AddDamage({0, 0, now.Width(), now.Height()}, 0);
    pixelsDrawn_ = 0;
    lastDrawn_ = true;
    lastTarget_ = target_;
    if (takeOff && damage_.empty() && SameStrokes(now, strokesNow, before, under)) {
        lastStrokes_ = strokesNow;  // a still frame draws nothing
        return;
    }
    if (takeOff) TakeOffStrokes();
    if (sliding_) MoveSlide();
    if (!damage_.empty()) {
        IndexBands(now, strokesNow);
        MarkCells(now);
        DrawCells(now);
    }
    DrawStrokes(now, strokesNow);
}

// Where the frame's closing run of lines begins (the rain, the mouse trail), as long as the
// pixels under them fit in the room kept for them. They are drawn last, over everything, so
// the next frame takes them off by putting back what they covered, and draws the rest as if
// they had never been there: the picture under a raindrop is not drawn again for it.
std::size_t FrameRecorder::StrokesOf(const DisplayList& list) const {
    const auto commands = list.Commands();
    std::size_t from = commands.size(), area = 0;
    while (from > 0 && commands[from - 1].op == DrawOp::Line) {
        const Box& b = commands[from - 1].box;
        area += std::size_t(b.r - b.l) * std::size_t(b.b - b.t);
        if (area > kMostSaved) break;
        --from;
    }
    return from;
}

bool FrameRecorder::SameStrokes(const DisplayList& now, std::size_t from, const DisplayList& before,
                                std::size_t beforeFrom) const {
    const auto a = now.Commands().subspan(from), b = before.Commands().subspan(beforeFrom);
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (!now.Same(a[k], before, b[k])) return false;
    return true;
}

// Puts back what the last frame's strokes covered, the last stroke first: the pixels are then
// those of the last frame without its strokes.
void FrameRecorder::TakeOffStrokes() {
    std::size_t end = saved_.size();
    for (std::size_t k = savedBoxes_.size(); k-- > 0;) {
        const Box& b = savedBoxes_[k];
        const std::size_t w = std::size_t(b.r - b.l);
        end -= w * std::size_t(b.b - b.t);
        const Color* from = saved_.data() + end;
        for (int y = b.t; y < b.b; ++y, from += w)
            std::memcpy(target_.Row(y) + b.l, from, w * sizeof(Color));
        pixelsDrawn_ += (long long)w * (b.b - b.t);
    }
}

// The strokes from `from` on, each after keeping what lies under its rectangle.
void FrameRecorder::DrawStrokes(const DisplayList& now, std::size_t from) {
    const auto commands = now.Commands();
    saved_.clear();
    savedBoxes_.clear();
    lastStrokes_ = from;
    strokesSaved_ = from < commands.size();
    Canvas canvas(target_);
    for (std::size_t k = from; k < commands.size(); ++k) {
        const Box& b = commands[k].box;
        for (int y = b.t; y < b.b; ++y) {
            const Color* row = target_.Row(y);
            saved_.insert(saved_.end(), row + b.l, row + b.r);
        }
        savedBoxes_.push_back(b);
        pixelsDrawn_ += (long long)(b.r - b.l) * (b.b - b.t);
        now.Run(commands[k], canvas);
    }
}

// Every change marked in cells of a band's rows by kCellWidth columns, each cell with the rows
// changed in it. A few pixels drawn twice cost less than a piece more (the rain of a storm), and
// no sorting is needed.
void FrameRecorder::MarkCells(const DisplayList& now) {
    const int bands = (now.Height() + kBandRows - 1) / kBandRows;
    const int cells = (now.Width() + kCellWidth - 1) / kCellWidth;
    cellRows_.assign(std::size_t(bands) * std::size_t(cells), CellRows{});
    for (std::size_t n = 0; n < damage_.size(); ++n) {
        const Box& d = damage_[n];
        if (d.Empty()) continue;
        const std::uint32_t from = std::uint32_t(std::min<std::size_t>(damageFrom_[n], UINT32_MAX));
        const int c0 = d.l / kCellWidth, c1 = (d.r + kCellWidth - 1) / kCellWidth;
        for (int band = d.t / kBandRows; band * kBandRows < d.b; ++band) {
            const int top = std::max(d.t - band * kBandRows, 0);
            const int bottom = std::min(d.b - band * kBandRows, kBandRows);
            CellRows* row = cellRows_.data() + std::size_t(band) * std::size_t(cells);
            for (int c = c0; c < c1; ++c) {
                row[c].top = std::uint8_t(std::min<int>(row[c].top, top));
                row[c].bottom = std::uint8_t(std::max<int>(row[c].bottom, bottom));
                row[c].from = std::max(row[c].from, from);
            }
        }
    }
}

// Each run of marked cells drawn as one piece. Pieces side by side with the same rows that
// start from the same covering command are drawn as one: the sliding clouds are copied in rows
// as wide as the frame, not in short stretches that each wait for memory.
void FrameRecorder::DrawCells(const DisplayList& now) {
    const int bands = (now.Height() + kBandRows - 1) / kBandRows;
    const int cells = (now.Width() + kCellWidth - 1) / kCellWidth;
    for (int band = 0; band < bands; ++band) {
        const CellRows* row = cellRows_.data() + std::size_t(band) * std::size_t(cells);
        Box pending{};
        const std::uint32_t* pendingFrom = nullptr;
        for (int c = 0; c < cells;) {
            if (row[c].top >= row[c].bottom) {
                ++c;
                continue;
            }
            const int first = c;
            int top = kBandRows, bottom = 0;
            std::uint32_t changedFrom = 0;
            // At most kPieceCells cells a piece, so a picture drawn over part of a long change
            // (the cliffs' rock over the sliding clouds) can spare what lies under it.
            for (; c < cells && c - first < kPieceCells && row[c].top < row[c].bottom; ++c) {
                top = std::min<int>(top, row[c].top);
                bottom = std::max<int>(bottom, row[c].bottom);
                changedFrom = std::max(changedFrom, row[c].from);
            }
            const Box piece{first * kCellWidth, band * kBandRows + top,
                            std::min(c * kCellWidth, now.Width()), band * kBandRows + bottom};
            const std::uint32_t* from = StartOf(now, piece, band);
            // Every change here lies under an unchanged picture that covers the piece (the
            // cliffs' rock, the tower's wall): its pixels are as they were.
            if (from == BandEnd(band)) continue;  // nothing is drawn here at all
            if (paired_[*from] && *from >= changedFrom) continue;
            pixelsDrawn_ += (long long)(piece.r - piece.l) * (piece.b - piece.t);
            if (from == pendingFrom && pending.r == piece.l && pending.t == piece.t &&
                pending.b == piece.b) {
                pending.r = piece.r;
                continue;
            }
            if (pendingFrom) DrawPiece(now, pending, pendingFrom, band);
            pending = piece;
            pendingFrom = from;
        }
        if (pendingFrom) DrawPiece(now, pending, pendingFrom, band);
    }
}

// The commands of the two frames matched in order: equal neighbours pair up, and where they
// part, the nearest place where they meet again within a few commands (a spark gone off the
// frame, a tooltip come) is found. The rectangles of every command left unpaired, old and new,
// are what changed (as one when a command and the one at its place touch). Any pairing in
// order is exact: a pixel outside them meets the same paired commands in the same order.
// A change needs no drawing where a paired command after it covers it whole (the clouds that
// slide under the cliffs' rock).
void FrameRecorder::FindDamage(const DisplayList& now, const DisplayList& before,
                               std::size_t nowEnd, std::size_t beforeEnd) {
    const auto a = now.Commands().first(nowEnd), b = before.Commands().first(beforeEnd);
    std::size_t i = 0, j = 0;
    covers_.clear();
    while (i < a.size() && j < b.size() && damage_.size() <= kMostDamage) {
        if (now.Same(a[i], before, b[j])) {
            paired_[i] = 1;
            const Box cover = CoverOf(a[i]);
            if (!cover.Empty()) covers_.push_back({i, cover});
            ++i, ++j;
            continue;
        }
        // The same kind of call with a rectangle of the same size (a star recoloured, a spark
        // moved, the clouds slid) changed in place: no need to look for where the frames meet.
        std::size_t k = Alike(a[i], b[j]) ? kLookAhead + 1 : 1;
        for (; k <= kLookAhead; ++k) {
            if (i + k < a.size() && now.Same(a[i + k], before, b[j])) {
                for (; k > 0; --k, ++i)
                    AddDamage(a[i].box, i + 1);  // new commands before the pair
                break;
            }
            if (j + k < b.size() && now.Same(a[i], before, b[j + k])) {
                for (; k > 0; --k)
                    AddDamage(b[j++].box, i);  // old commands gone
                break;
            }
        }
        if (k <= kLookAhead) continue;
        if (!sliding_ && Slid(a[i], b[j])) {
            StartSlide(a[i], b[j], i, j);
        } else if (Touch(a[i].box, b[j].box)) {
            AddDamage(Around(a[i].box, b[j].box), i + 1);
        } else {
            AddDamage(a[i].box, i + 1);
            AddDamage(b[j].box, i + 1);
        }
        ++i, ++j;
    }
    for (; i < a.size(); ++i)
        AddDamage(a[i].box, i + 1);
    for (; j < b.size(); ++j)
        AddDamage(b[j].box, a.size());
    if (sliding_) FinishSlide(a, b);
    if (damage_.size() > kMostDamage) {
        // Too many to be worth it: the whole frame.
        damage_.clear();
        damageFrom_.clear();
        paired_.assign(paired_.size(), 0);
        sliding_ = false;
        AddDamage({0, 0, now.Width(), now.Height()}, 0);
        return;
    }
    for (std::size_t d = 0; d < damage_.size(); ++d) {
        for (const Cover& c : covers_)
            if (c.index >= damageFrom_[d]) Uncover(damage_[d], c.box);
    }
}

// A picture that only slid sideways keeps its pixels where both frames show it: they are moved
// in place, which reads and writes the frame once, instead of copied afresh from the picture.
// What the two boxes do not share is drawn as any change.
void FrameRecorder::StartSlide(const DrawCommand& now, const DrawCommand& before, std::size_t index,
                               std::size_t beforeIndex) {
    const int dx = now.x0 - before.x0;
    const Box moved = Common(now.box, Shifted(before.box, dx));
    if (moved.Empty()) {
        AddDamage(now.box, index + 1);
        AddDamage(before.box, index + 1);
        return;
    }
    for (const Box& box : {now.box, before.box}) {
        AddDamage({box.l, box.t, std::min(box.r, moved.l), box.b}, index + 1);
        AddDamage({std::max(box.l, moved.r), box.t, box.r, box.b}, index + 1);
    }
    sliding_ = true;
    slide_ = {index, beforeIndex, dx, moved};
}

// Only the picture itself may be moved. Rows and columns hidden by an unchanged picture drawn
// later (the cliffs, the tower) are left where they are and drawn as any change, which spares
// what that picture covers; whatever lies on the moved pixels in either frame (the tower's
// edge, the lightning) is drawn again over them. Those changes are never cut by a cover: a
// moved pixel under one is not what the cover left there.
void FrameRecorder::FinishSlide(std::span<const DrawCommand> a, std::span<const DrawCommand> b) {
    Box& moved = slide_.box;
    const Box whole = moved;
    for (const Cover& c : covers_)
        if (c.index > slide_.now) Uncover(moved, c.box);
    for (std::size_t k = slide_.now + 1; k < a.size(); ++k)
        if (paired_[k] && a[k].op == DrawOp::Picture) Uncover(moved, a[k].box);
    const std::size_t under = slide_.now + 1;
    if (moved.Empty()) {
        sliding_ = false;
        AddDamage(whole, under);
        return;
    }
    AddDamage({whole.l, whole.t, whole.r, moved.t}, under);
    AddDamage({whole.l, moved.b, whole.r, whole.b}, under);
    AddDamage({whole.l, moved.t, moved.l, moved.b}, under);
    AddDamage({moved.r, moved.t, whole.r, moved.b}, under);
    constexpr std::size_t kNeverCut = SIZE_MAX;
    for (std::size_t k = slide_.now + 1; k < a.size(); ++k)
        AddDamage(Common(a[k].box, moved), kNeverCut);
    for (std::size_t k = slide_.before + 1; k < b.size(); ++k)
        AddDamage(Common(Shifted(b[k].box, slide_.dx), moved), kNeverCut);
}

// A change, drawn under the new frame's commands from `from` on.
void FrameRecorder::AddDamage(const Box& box, std::size_t from) {
    // One past the most says "too many" and allocates nothing.
    if (box.Empty() || damage_.size() > kMostDamage) return;
    damage_.push_back(box);
    damageFrom_.push_back(from);
}

void FrameRecorder::MoveSlide() {
    const Box& m = slide_.box;
    const std::size_t bytes = std::size_t(m.r - m.l) * sizeof(Color);
    for (int y = m.t; y < m.b; ++y) {
        Color* row = target_.Row(y);
        std::memmove(row + m.l, row + m.l - slide_.dx, bytes);
    }
}

// For each band of rows, the commands that reach into it, in drawing order.
void FrameRecorder::IndexBands(const DisplayList& now, std::size_t end) {
    const auto commands = now.Commands().first(end);
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
    // Where in each band a command that may cover a piece stands: a piece looks for its start
    // among these few, not among all the rain.
    coverStart_.resize(std::size_t(bands) + 1);
    coverItems_.clear();
    for (int k = 0; k < bands; ++k) {
        coverStart_[std::size_t(k)] = std::uint32_t(coverItems_.size());
        for (std::uint32_t p = bandStart_[std::size_t(k)]; p < bandStart_[std::size_t(k) + 1];
             ++p) {
            const DrawCommand& c = commands[bandItems_[p]];
            if (c.covers || c.op == DrawOp::Picture) coverItems_.push_back(p);
        }
    }
    coverStart_[std::size_t(bands)] = std::uint32_t(coverItems_.size());
}

// Where a piece is drawn from: the last command of its band that covers all of it (what lies
// under that cannot show), or the band's first.
const std::uint32_t* FrameRecorder::StartOf(const DisplayList& now, const Box& piece,
                                            int band) const {
    const auto commands = now.Commands();
    const std::uint32_t* first = coverItems_.data() + coverStart_[std::size_t(band)];
    const std::uint32_t* last = coverItems_.data() + coverStart_[std::size_t(band) + 1];
    for (const std::uint32_t* p = last; p-- > first;)
        if (Covers(commands[bandItems_[*p]], piece)) return bandItems_.data() + *p;
    return bandItems_.data() + bandStart_[std::size_t(band)];
}

const std::uint32_t* FrameRecorder::BandEnd(int band) const {
    return bandItems_.data() + bandStart_[std::size_t(band) + 1];
}

// The piece afresh: from `from` to the band's end, each command that reaches it, clipped to it.
void FrameRecorder::DrawPiece(const DisplayList& now, const Box& piece, const std::uint32_t* from,
                              int band) {
    const auto commands = now.Commands();
    const std::uint32_t* last = bandItems_.data() + bandStart_[std::size_t(band) + 1];
    Canvas canvas(target_);
    canvas.SetClip(piece);
    for (const std::uint32_t* p = from; p < last; ++p) {
        const DrawCommand& c = commands[*p];
        if (Meet(c.box, piece)) now.Run(c, canvas);
    }
}

}  // namespace tk
