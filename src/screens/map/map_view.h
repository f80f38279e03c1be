// map_view.h -- what every drawing step of a map tick works with: the canvas, the game state,
// the pictures, the sounds and the window size of this tick.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "assets/asset_library.h"
#include "state/game_state.h"
#include "state/sound_bank.h"
#include "toolkit/raster/canvas.h"

namespace vm {

// The pictures the map screen draws, found once: cards by number, the rest by name (a lookup by
// name builds no string).
class MapPictures {
  public:
    explicit MapPictures(const AssetLibrary& library);

    const tk::Picture& Named(std::string_view name) const { return library_.Get(name); }
    // Card 1..70's picture; nullptr for any other number.
    const tk::Picture* Card(int card) const {
        return card >= 1 && card <= 70 ? cards_[static_cast<std::size_t>(card)] : nullptr;
    }

  private:
    const AssetLibrary& library_;
    std::array<const tk::Picture*, 71> cards_{};
};

// W and H are read once at the start of the tick; nothing can change them within it.
struct MapView {
    tk::Canvas& canvas;
    GameState& state;
    const MapPictures& pictures;
    SoundBank& sounds;
    int W;
    int H;

    void Draw(int x, int y, std::string_view picture) const {
        canvas.Draw(x, y, pictures.Named(picture));
    }
    // Card n's picture, nothing for a number outside 1..70.
    void DrawCard(int x, int y, int card) const {
        if (const tk::Picture* p = pictures.Card(card)) canvas.Draw(x, y, *p);
    }
    // A horizontal run of pen lines from (x1, y) to (x2, y) for y = top .. bottom: the pixels
    // of one filled rectangle, drawn as one (a panel is one change to compare, not a hundred).
    void Rows(int x1, int x2, int top, int bottom) const {
        if (top > bottom) return;
        // A line leaves out its end: [x1, x2) going right, (x2, x1] going left.
        const long long l = x1 <= x2 ? x1 : (long long)x2 + 1,
                        r = x1 <= x2 ? x2 : (long long)x1 + 1;
        canvas.FillRect(int(l), top, int(std::min<long long>(r, INT32_MAX)),
                        int(std::min<long long>((long long)bottom + 1, INT32_MAX)),
                        canvas.PenColor());
        canvas.MoveTo(x2, bottom);  // where the last line would have left the pen
    }
    void HatchColumns(int firstX, int top, int bottom, int count) const;
};

// Black lines from (x, top) to (x, bottom) for x = firstX, firstX + 2, ... (count lines): the
// same pixels and pen as drawing them one by one, but written row by row, since the pixels of
// one column lie a whole row apart in memory.
void HatchColumns(tk::Canvas& canvas, int firstX, int top, int bottom, int count);
inline void MapView::HatchColumns(int firstX, int top, int bottom, int count) const {
    vm::HatchColumns(canvas, firstX, top, bottom, count);
}

// Decimal text of a number in a fixed buffer, with an optional prefix and suffix, so a tick
// builds no strings.
class NumberText {
  public:
    NumberText(int value, std::string_view prefix = {}, std::string_view suffix = {});
    std::string_view View() const { return {buffer_.data(), length_}; }

  private:
    std::array<char, 48> buffer_{};
    std::size_t length_ = 0;
};

}  // namespace vm
