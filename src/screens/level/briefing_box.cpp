// briefing_box.cpp -- reading, wrapping and drawing the coming battle's briefing.
#include "screens/level/briefing_box.h"

#include <charconv>
#include <cstring>

#include "toolkit/ui/application.h"
#include "toolkit/ui/memo.h"

namespace vm {

namespace {
// The box, relative to the map; right and bottom excluded.
constexpr int kBoxLeft = 701, kBoxTop = 400, kBoxRight = 999, kBoxBottom = 601;
// The yellow text; its black shadow sits one pixel down and right.
constexpr int kTextLeft = 703, kTextTop = 402, kLineStep = 14;
constexpr int kFontPoints = 11;
constexpr tk::Color kYellow = tk::Rgb(255, 255, 0);
constexpr tk::Color kBlack = 0;
}  // namespace

std::string_view BriefingBox::FileName(int32_t level, std::array<char, 32>& buffer) {
    char* p = buffer.data();
    std::memcpy(p, "lv", 2);
    p = std::to_chars(p + 2, buffer.data() + buffer.size(), level).ptr;
    std::memcpy(p, ".txt", 4);
    return std::string_view(buffer.data(), std::size_t(p + 4 - buffer.data()));
}

void BriefingBox::Draw(tk::Canvas& canvas, int mapX, int mapY, int32_t level, tk::Memo& wrapBox,
                       tk::Application& app) {
    const bool read = file_.Read(FileName(level, name_));
    if (read && file_.Changed()) {
        wrapBox.SetLines(file_.Lines());
    } else if (!read) {
        if (wrapBox.Count() > 0) wrapBox.Clear();
        if (file_.ErrorIsNew()) app.ReportError(file_.Error());
    }

    canvas.FillRect(mapX + kBoxLeft, mapY + kBoxTop, mapX + kBoxRight, mapY + kBoxBottom, kBlack);
    if (!read) return;

    const std::vector<std::string>& shown = wrapBox.DisplayedLines();
    canvas.SetFontSize(kFontPoints);
    canvas.SetTextOpaque(false);
    for (int i = 0; i < kLinesShown && i < int(shown.size()); ++i) {
        const std::string& line = shown[std::size_t(i)];
        if (line.empty()) continue;
        const int x = mapX + kTextLeft, y = mapY + kTextTop + kLineStep * i;
        canvas.SetFontColor(kBlack);
        canvas.TextOut(x + 1, y + 1, line);
        canvas.SetFontColor(kYellow);
        canvas.TextOut(x, y, line);
    }
}

}  // namespace vm
