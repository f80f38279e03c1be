// briefing_box.h -- the black box on the campaign map with the coming battle's briefing in
// shadowed yellow text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "screens/shell/tick_text_file.h"
#include "toolkit/raster/canvas.h"

namespace tk {
class Application;
class Memo;
}  // namespace tk

namespace vm {

class BriefingBox {
  public:
    static constexpr int kLinesShown = 16;

    // "lv" + level + ".txt".
    static std::string_view FileName(int32_t level, std::array<char, 32>& buffer);

    // Reads the briefing of `level` afresh into `wrapBox` (the hidden word-wrap box, which
    // re-wraps only when the file's text changed), fills the box black at map x 701..998,
    // y 400..600 and writes the first 16 displayed lines, each over a black shadow one pixel
    // down and right. A file that cannot be read leaves the box without text and is reported
    // to `app` once, until it reads again.
    void Draw(tk::Canvas& canvas, int mapX, int mapY, int32_t level, tk::Memo& wrapBox,
              tk::Application& app);

  private:
    TickTextFile file_;
    std::array<char, 32> name_{};
};

}  // namespace vm
