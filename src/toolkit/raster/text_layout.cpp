// text_layout.cpp -- word wrap of text box lines at a pixel width.
#include "toolkit/raster/text_layout.h"

#include "toolkit/raster/font.h"

namespace tk {
namespace {

// Appends a line reusing a string left over from an earlier call when there is one.
void Emit(std::vector<std::string>& lines, std::size_t& used, std::string_view s) {
    if (used < lines.size()) {
        lines[used].assign(s.data(), s.size());
    } else {
        lines.emplace_back(s);
    }
    ++used;
}

void WrapOne(std::string_view line, const GlyphSet& set, int width, std::vector<std::string>& lines,
             std::size_t& used) {
    if (line.empty()) {
        Emit(lines, used, line);
        return;
    }
    std::size_t start = 0;
    while (start < line.size()) {
        // Take characters while they fit; remember the last space seen.
        int w = 0;
        std::size_t i = start, lastSpace = std::string_view::npos;
        while (i < line.size()) {
            int adv = set.glyphs[static_cast<unsigned char>(line[i])].advance;
            if (w + adv > width && line[i] != ' ') break;
            if (line[i] == ' ') lastSpace = i;
            w += adv;
            ++i;
        }
        if (i >= line.size()) {
            Emit(lines, used, line.substr(start));
            return;
        }
        std::size_t end, next;
        if (lastSpace != std::string_view::npos && lastSpace > start) {
            end = lastSpace;
            next = lastSpace + 1;
        } else if (lastSpace == start) {
            end = start;
            next = start + 1;
        } else {
            end = i > start ? i : start + 1;  // a word wider than the box: split it
            next = end;
        }
        Emit(lines, used, line.substr(start, end - start));
        start = next;
    }
}

}  // namespace

int MeasureText(std::string_view text, int points, bool bold) {
    return TextWidth(GlyphsFor(points, bold), text);
}

void WrapText(std::string_view text, int points, int width, std::vector<std::string>& lines) {
    const GlyphSet& set = GlyphsFor(points, false);
    std::size_t used = 0;
    std::size_t pos = 0;
    while (true) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line = text.substr(pos, nl == std::string_view::npos ? nl : nl - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        WrapOne(line, set, width, lines, used);
        if (nl == std::string_view::npos) break;
        pos = nl + 1;
    }
    lines.resize(used);
}

std::vector<std::string> WrapText(std::string_view text, int points, int width) {
    std::vector<std::string> lines;
    WrapText(text, points, width, lines);
    return lines;
}

}  // namespace tk
