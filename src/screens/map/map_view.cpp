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
