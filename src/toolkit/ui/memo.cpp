// memo.cpp -- the text box's line rules, wrapping, scrolling and painting.
#include "toolkit/ui/memo.h"

#include <algorithm>
#include <fstream>

#include "toolkit/error.h"
#include "toolkit/files/regular_file.h"
#include "toolkit/raster/font.h"
#include "toolkit/raster/text_layout.h"
#include "toolkit/ui/bevel.h"

namespace tk {

namespace {
const std::string kEmpty;
}

void Memo::LoadFromFile(const std::string& fileName) {
    // Read without blocking, so that a pipe left under the file's name cannot hang the game;
    // only a regular file is read, so a folder of that name is refused by name as well.
    const FileContents file = ReadRegularFile(fileName, kMaxFileBytes);
    if (file.status == FileStatus::TooLarge) {
        throw Error("File " + fileName + " is too large to show (" + std::to_string(file.size) +
                    " bytes)");
    }
    if (file.status != FileStatus::Read) throw Error("Cannot open file " + fileName);
    const std::string& data = file.bytes;
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    SetLines(std::move(lines));
}

void Memo::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw Error("Cannot create file " + fileName);
    for (const std::string& line : lines_)
        out << line << "\r\n";
    out.flush();
    if (!out) throw Error("Cannot create file " + fileName);
}

const std::string& Memo::Line(int i) const {
    return i >= 0 && i < int(lines_.size()) ? lines_[std::size_t(i)] : kEmpty;
}

void Memo::Add(std::string line) {
    lines_.push_back(std::move(line));
    Changed();
}

void Memo::Clear() {
    lines_.clear();
    topLine_ = 0;
    Changed();
}

void Memo::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    topLine_ = 0;
    Changed();
}

const std::vector<std::string>& Memo::DisplayedLines() const {
    if (!wordWrap) return lines_;
    const int w = std::max(1, TextWidth());
    if (wrapValid_ && wrapWidth_ == w) return wrapped_;
    wrapped_.clear();
    std::vector<std::string> piece;
    for (const std::string& line : lines_) {
        WrapText(line, fontSize, w, piece);
        if (piece.empty()) wrapped_.emplace_back();
        for (std::string& p : piece)
            wrapped_.push_back(std::move(p));
    }
    wrapValid_ = true;
    wrapWidth_ = w;
    return wrapped_;
}

int Memo::LineHeight() const {
    return GlyphsFor(fontSize, false).CellHeight();
}

int Memo::VisibleLineCount() const {
    return std::max(1, (height - 4) / LineHeight());
}

void Memo::ScrollTo(int line) {
    const int last = std::max(0, int(DisplayedLines().size()) - VisibleLineCount());
    topLine_ = std::clamp(line, 0, last);
}

void Memo::ThumbGeometry(int& thumbTop, int& thumbHeight) const {
    const int track = height - 4 - 2 * kBarWidth;
    const int total = std::max(1, int(DisplayedLines().size()));
    const int shown = VisibleLineCount();
    thumbHeight = std::max(8, track * std::min(shown, total) / total);
    const int range = std::max(1, total - shown);
    thumbTop = top + 2 + kBarWidth + (track - thumbHeight) * std::min(topLine_, range) / range;
}

void Memo::MouseDown(int x, int y) {
    if (!scrollBar || x < left + width - 2 - kBarWidth) return;
    const int barTop = top + 2, barBottom = top + height - 2;
    if (y < barTop + kBarWidth) {
        ScrollTo(topLine_ - 1);
    } else if (y >= barBottom - kBarWidth) {
        ScrollTo(topLine_ + 1);
    } else {
        int thumbTop, thumbHeight;
        ThumbGeometry(thumbTop, thumbHeight);
        if (y < thumbTop) {
            ScrollTo(topLine_ - VisibleLineCount());
        } else if (y >= thumbTop + thumbHeight) {
            ScrollTo(topLine_ + VisibleLineCount());
        } else {
            dragging_ = true;
            dragOffset_ = y - thumbTop;
        }
    }
}

void Memo::MouseMove(int, int y) {
    if (!dragging_) return;
    int thumbTop, thumbHeight;
    ThumbGeometry(thumbTop, thumbHeight);
    const int track = height - 4 - 2 * kBarWidth - thumbHeight;
    const int range = std::max(0, int(DisplayedLines().size()) - VisibleLineCount());
    if (track <= 0) return;
    const int pos = y - dragOffset_ - (top + 2 + kBarWidth);
    ScrollTo((pos * range + track / 2) / track);
}

void Memo::Key(const Event& e) {
    if (e.key == "Up") ScrollTo(topLine_ - 1);
    if (e.key == "Down") ScrollTo(topLine_ + 1);
    if (e.key == "PageUp") ScrollTo(topLine_ - VisibleLineCount());
    if (e.key == "PageDown") ScrollTo(topLine_ + VisibleLineCount());
    if (readOnly) return;
    if (lines_.empty()) lines_.emplace_back();
    if (e.key == "Return") {
        lines_.emplace_back();
        Changed();
    } else if (e.key == "Backspace") {
        if (!lines_.back().empty()) {
            lines_.back().pop_back();
        } else if (lines_.size() > 1) {
            lines_.pop_back();
        }
        Changed();
    }
}

void Memo::Text(const std::string& text) {
    if (readOnly) return;
    if (lines_.empty()) lines_.emplace_back();
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) lines_.back().push_back(char(c));
    }
    Changed();
}

void Memo::Paint(Canvas& c) {
    const int r = left + width, b = top + height;
    c.FillRect(left, top, r, b, background);
    DrawBevel(c, left, top, r, b, false);
    const std::vector<std::string>& shown = DisplayedLines();
    const int lh = LineHeight();
    const int rows = VisibleLineCount();
    // Text is kept inside the box by painting it onto a piece the size of the box's inside and
    // copying that in: a glyph reaching past its advance, or a box lower than one line, cannot
    // spill over the bevel or the rest of the form.
    const int insideLeft = left + 2, insideTop = top + 2, insideBottom = b - 2;
    const int textRight = scrollBar ? r - 2 - kBarWidth : r - 2;
    if (textRight > insideLeft && insideBottom > insideTop) {
        Bitmap inside(textRight - insideLeft, insideBottom - insideTop, background);
        Canvas ic(inside);
        ic.SetFontSize(fontSize);
        ic.SetFontColor(textColor);
        ic.SetTextOpaque(false);
        for (int i = 0; i < rows && topLine_ + i < int(shown.size()); ++i) {
            const std::string& line = shown[std::size_t(topLine_ + i)];
            if (line.empty()) continue;
            // Cut the line to what fits (wrapped lines already do), in one pass: a file can hold
            // a line of any length.
            const GlyphSet& glyphs = GlyphsFor(fontSize, false);
            const int room = textRight - (left + 4);
            std::size_t fits = 0;
            for (int w = 0; fits < line.size(); ++fits) {
                w += glyphs.glyphs[static_cast<unsigned char>(line[fits])].advance;
                if (w > room) break;
            }
            ic.TextOut(left + 4 - insideLeft, i * lh, std::string_view(line).substr(0, fits));
        }
        c.Blit(insideLeft, insideTop, inside);
    }
    if (!scrollBar) return;
    const int bl = r - 2 - kBarWidth, bt = top + 2, bb = b - 2;
    c.FillRect(bl, bt, r - 2, bb, 0xE0E0E0);
    c.FillRect(bl, bt, r - 2, bt + kBarWidth, kFace);
    DrawBevel(c, bl, bt, r - 2, bt + kBarWidth, true);
    c.FillRect(bl, bb - kBarWidth, r - 2, bb, kFace);
    DrawBevel(c, bl, bb - kBarWidth, r - 2, bb, true);
    // Arrow heads.
    for (int k = 0; k < 4; ++k) {
        const int cx = bl + kBarWidth / 2;
        c.FillRect(cx - k, bt + 6 + k, cx + k + 1, bt + 7 + k, 0);
        c.FillRect(cx - k, bb - 7 - k, cx + k + 1, bb - 6 - k, 0);
    }
    int thumbTop, thumbHeight;
    ThumbGeometry(thumbTop, thumbHeight);
    c.FillRect(bl, thumbTop, r - 2, thumbTop + thumbHeight, kFace);
    DrawBevel(c, bl, thumbTop, r - 2, thumbTop + thumbHeight, true);
}

}  // namespace tk
