// level_places.h -- the eleven places of the campaign map: where the skull and the fire burst sit,
// where the mouse brings up the place's picture, and which picture that is.
#pragma once

#include <array>
#include <cstdint>

namespace vm {

struct MapPoint {
    int x, y;
};

// A strict range: left < v < right.
struct OpenRange {
    int low, high;
    bool Holds(int64_t v) const { return low < v && v < high; }
};

// All positions are relative to the map's top-left corner.
struct LevelPlace {
    const char* name;  // as lettered on the map
    MapPoint skull;    // top-left of the 30 x 30 skull
    MapPoint burst;    // the skull's place again, off by a pixel at four places
    OpenRange hoverX;  // both ends excluded
    OpenRange hoverY;
    const char* picture;  // the place's 300 x 300 picture
};

inline constexpr std::array<LevelPlace, 11> kLevelPlaces = {{
    {"Gorg Na'kath", {77, 199}, {77, 199}, {80, 102}, {199, 225}, "Form6.Image16"},
    {"Cha'da Gorth", {230, 209}, {230, 209}, {232, 252}, {212, 232}, "Form6.Image17"},
    {"Grage", {327, 62}, {327, 62}, {330, 350}, {66, 86}, "Form6.Image18"},
    {"The Long Fade", {602, 23}, {602, 24}, {603, 623}, {24, 44}, "Form6.Image19"},
    {"Malice", {725, 167}, {725, 167}, {729, 750}, {167, 188}, "Form6.Image20"},
    {"Orth Nyra", {470, 283}, {470, 282}, {470, 490}, {282, 303}, "Form6.Image21"},
    {"Nihil Urb E'a", {385, 362}, {385, 363}, {386, 406}, {363, 383}, "Form6.Image22"},
    {"Gorthin", {439, 447}, {439, 447}, {438, 458}, {447, 470}, "Form6.Image23"},
    {"Seldyr", {532, 570}, {532, 570}, {533, 553}, {569, 590}, "Form6.Image24"},
    {"Sha'teath", {221, 567}, {222, 567}, {223, 243}, {568, 590}, "Form6.Image25"},
    {"Blythe", {74, 577}, {74, 577}, {75, 96}, {577, 600}, "Form6.Image26"},
}};

// The place of battle `level` (1..11), or null for a level the map has no place for.
inline const LevelPlace* PlaceOfLevel(int32_t level) {
    return level >= 1 && level <= 11 ? &kLevelPlaces[std::size_t(level - 1)] : nullptr;
}

}  // namespace vm
