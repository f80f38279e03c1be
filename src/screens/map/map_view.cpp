// map_view.cpp -- the map screen's pictures found once, and numbers as text without allocation.
#include "screens/map/map_view.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

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
    canvas.Hatch(firstX, top, int(std::min<long long>((long long)lastX + 1, INT32_MAX)), bottom,
                 kBlack);
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
