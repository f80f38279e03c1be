// display_list.cpp -- canvas calls written down, compared and drawn again.
#include "toolkit/raster/display_list.h"

#include <algorithm>
#include <cstring>

#include "toolkit/raster/picture.h"

namespace tk {

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h = (h ^ v) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

std::uint64_t DigestOf(const DrawCommand& c, std::string_view text) {
    std::uint64_t h = Mix(std::uint64_t(c.op) | std::uint64_t(c.bold) << 8 |
                              std::uint64_t(c.opaque) << 9 | std::uint64_t(c.covers) << 10,
                          std::uint32_t(c.fontSize));
    h = Mix(h, std::uint64_t(std::uint32_t(c.x0)) << 32 | std::uint32_t(c.y0));
    h = Mix(h, std::uint64_t(std::uint32_t(c.x1)) << 32 | std::uint32_t(c.y1));
    h = Mix(h, std::uint64_t(c.color) << 32 | c.background);
    h = Mix(h, std::uint64_t(reinterpret_cast<std::uintptr_t>(c.source)));
    h = Mix(h, std::uint64_t(std::uint32_t(c.box.l)) << 32 | std::uint32_t(c.box.t));
    h = Mix(h, std::uint64_t(std::uint32_t(c.box.r)) << 32 | std::uint32_t(c.box.b));
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, text.data() + i, 8);
        h = Mix(h, eight);
    }
    for (; i < text.size(); ++i)
        h = Mix(h, std::uint8_t(text[i]));
    return Mix(h, text.size());
}

}  // namespace

DisplayList::DisplayList(std::size_t commands, std::size_t textBytes) {
    commands_.reserve(commands);
    text_.reserve(textBytes);
}

void DisplayList::Clear(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    commands_.clear();
    text_.clear();
}

void DisplayList::Add(DrawCommand command, std::string_view text) {
    Box& b = command.box;
    b = {std::max(b.l, 0), std::max(b.t, 0), std::min(b.r, width_), std::min(b.b, height_)};
    if (b.Empty()) return;  // draws nothing in this frame
    command.textBegin = std::uint32_t(text_.size());
    command.textLength = std::uint32_t(text.size());
    text_.insert(text_.end(), text.begin(), text.end());
    command.digest = DigestOf(command, text);
    commands_.push_back(command);
}

bool DisplayList::Same(const DrawCommand& a, const DisplayList& other, const DrawCommand& b) const {
    return a.digest == b.digest && a.op == b.op && a.op != DrawOp::Blit && a.bold == b.bold &&
           a.opaque == b.opaque && a.fontSize == b.fontSize && a.x0 == b.x0 && a.y0 == b.y0 &&
           a.x1 == b.x1 && a.y1 == b.y1 && a.color == b.color && a.background == b.background &&
           a.source == b.source && a.box.l == b.box.l && a.box.t == b.box.t && a.box.r == b.box.r &&
           a.box.b == b.box.b && TextOf(a) == other.TextOf(b);
}

void DisplayList::Run(const DrawCommand& c, Canvas& on) const {
    switch (c.op) {
        case DrawOp::Fill:
            on.Fill(c.color);
            break;
        case DrawOp::Line:
            on.SetPenColor(c.color);
            on.Line(c.x0, c.y0, c.x1, c.y1);
            break;
        case DrawOp::Ellipse:
            on.SetPenColor(c.color);
            on.Ellipse(c.x0, c.y0, c.x1, c.y1);
            break;
        case DrawOp::FillRect:
            on.FillRect(c.x0, c.y0, c.x1, c.y1, c.color);
            break;
        case DrawOp::Hatch:
            on.Hatch(c.x0, c.y0, c.x1, c.y1, c.color);
            break;
        case DrawOp::Text:
            on.SetFontSize(c.fontSize);
            on.SetFontBold(c.bold);
            on.SetFontColor(c.color);
            on.SetTextOpaque(c.opaque);
            on.SetTextBackground(c.background);
            on.TextOut(c.x0, c.y0, TextOf(c));
            break;
        case DrawOp::Picture:
            on.Draw(c.x0, c.y0, *static_cast<const Picture*>(c.source), c.x1, c.y1);
            break;
        case DrawOp::Blit:
            on.Blit(c.x0, c.y0, *static_cast<const Bitmap*>(c.source));
            break;
    }
}

}  // namespace tk
