// game_icon.cpp -- the icon pixels the build rendered and embedded.
#include "app/game_icon.h"

#include <cstdint>
#include <iterator>

namespace vm {

#ifdef VELLMOOR_ICON_SOURCE
namespace {
#include VELLMOOR_ICON_SOURCE
}  // namespace

tk::AppIcon GameIcon() {
    return {kIconWidth, kIconHeight, {std::begin(kIconArgb), std::end(kIconArgb)}};
}
#else
tk::AppIcon GameIcon() {
    return {};
}
#endif

}  // namespace vm
