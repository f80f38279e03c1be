// map_view.cpp -- the map screen's pictures found once, and numbers as text without allocation.
#include "screens/map/map_view.h"

#include <algorithm>
#include <charconv>

#include "assets/picture_catalogue.h"

namespace vm {

MapPictures::MapPictures(const AssetLibrary& library) : library_(library) {
    for (int card = 1; card <= 70; ++card) {
        cards_[static_cast<std::size_t>(card)] = &library.Get(CardPictureName(card));
    }
}

void HatchColumns(tk::Canvas& canvas, int firstX, int top, int bottom, int count) {
    constexpr tk::Color kBlack = 0;
    canvas.SetPenColor(kBlack);
    if (count <= 0) return;
    const int lastX = firstX + 2 * (count - 1);
    canvas.MoveTo(lastX, bottom);  // where the last line would leave the pen
    if (top >= bottom) {           // upward lines: leave it to the canvas
        for (int x = firstX; x <= lastX; x += 2)
            canvas.Line(x, top, x, bottom);
        return;
    }
    const tk::PixelView& b = canvas.Target(firstX, top, (long long)lastX + 1, bottom);
    // The first column at or right of 0 that the hatch reaches, and the clipped rows.
    const long long from = firstX >= 0 ? firstX : firstX + ((-(long long)firstX + 1) / 2) * 2;
    const long long to = std::min<long long>(lastX, (long long)b.width - 1);
    const int y0 = std::max(top, 0), y1 = std::min(bottom, b.height);
    for (int y = y0; y < y1; ++y) {
        tk::Color* row = b.Row(y);
        for (long long x = from; x <= to; x += 2)
            row[x] = kBlack;
    }
}

NumberText::NumberText(int value, std::string_view prefix, std::string_view suffix) {
    char* out = buffer_.data();
    char* const end = buffer_.data() + buffer_.size();
    const std::size_t room = 16;  // an int32 takes at most 11 characters
    prefix = prefix.substr(0, std::min(prefix.size(), buffer_.size() - room));
    out = std::copy(prefix.begin(), prefix.end(), out);
    out = std::to_chars(out, end, value).ptr;
    suffix = suffix.substr(0, std::min<std::size_t>(suffix.size(), std::size_t(end - out)));
    out = std::copy(suffix.begin(), suffix.end(), out);
    length_ = std::size_t(out - buffer_.data());
}

}  // namespace vm
