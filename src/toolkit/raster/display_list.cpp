// display_list.cpp -- canvas calls written down, compared and drawn again.
#include "toolkit/raster/display_list.h"

#include <algorithm>

#include "toolkit/raster/picture.h"

namespace tk {

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
    commands_.push_back(command);
}

bool DisplayList::Same(const DrawCommand& a, const DisplayList& other, const DrawCommand& b) const {
    return a.op == b.op && a.op != DrawOp::Blit && a.bold == b.bold && a.opaque == b.opaque &&
           a.fontSize == b.fontSize && a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 &&
           a.y1 == b.y1 && a.color == b.color && a.background == b.background &&
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
