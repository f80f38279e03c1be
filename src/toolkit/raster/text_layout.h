// text_layout.h -- measuring and word wrap at a pixel width, as the multi-line text box shows it.
//
// Rule: each stored line (split at '\n', a trailing '\r' dropped) is laid out on its own; an
// empty stored line stays an empty line. Words are separated by spaces; a line takes as many
// words as fit in `width` pixels, the break space is dropped, and a word wider than the width
// alone is split at the last character that still fits (at least one character per line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk {

int MeasureText(std::string_view text, int points, bool bold = false);

// Fills `lines` (cleared first). Allocates nothing when `lines` and its strings already have
// the capacity the result needs.
void WrapText(std::string_view text, int points, int width, std::vector<std::string>& lines);
std::vector<std::string> WrapText(std::string_view text, int points, int width);

}  // namespace tk
