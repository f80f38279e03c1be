// story_layout.h -- where the story painting and the scrolling text stand.
#pragma once

#include <cstdint>

namespace vm::story {

// The painting is centred: its top-left at (W / 2 - 512, H / 2 - 382).
constexpr int kPaintingHalfWidth = 512;
constexpr int kPaintingHalfHeight = 382;

// The text column starts 48 right of the centre, over the painting's bright mist, and its first
// line starts just below the painting's lower edge before it scrolls up.
constexpr int kTextFromCentreX = 48;
constexpr int kTextFromCentreY = 384;
constexpr int kLineStep = 18;
constexpr int kShownLines = 81;
constexpr int kFontSize = 10;

// The text moves up a pixel a tick until it has passed the painting.
constexpr int32_t kScrollEnd = 2500;

}  // namespace vm::story
