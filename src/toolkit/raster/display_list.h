// display_list.h -- a frame written down as the canvas calls that make it, so that the next
// frame can be compared with it call by call and drawn again only where it changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "toolkit/raster/canvas.h"

namespace tk {

enum class DrawOp : std::uint8_t { Fill, Line, Ellipse, FillRect, Hatch, Text, Picture, Blit };

// One canvas call with everything it depends on. Two equal commands draw the same pixels.
struct DrawCommand {
    DrawOp op = DrawOp::Fill;
    bool bold = false;
    bool opaque = false;  // text: its cells filled with `background`
    bool covers = false;  // every pixel of `box` is written, whatever was there
    int fontSize = 0;
    // Line: its ends; Ellipse, FillRect, Hatch: left, top, right, bottom; Text: x, y;
    // Picture: x, y and the width and height drawn; Blit: x, y.
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    Color color = 0;               // pen, brush or font
    Color background = 0;          // opaque text's cells
    const void* source = nullptr;  // the Picture or the Bitmap
    std::uint32_t textBegin = 0, textLength = 0;
    Box box;  // inside the frame: every pixel the command may write
    // All of the above (and the text) mixed into one number when written down: commands that
    // differ almost always differ here, so comparing two frames rarely looks further.
    std::uint64_t digest = 0;
};

class DisplayList {
  public:
    // Room for this many commands and text bytes, so a frame's recording never allocates.
    static constexpr std::size_t kCommands = 2048;
    explicit DisplayList(std::size_t commands = kCommands, std::size_t textBytes = 16384);

    // An empty frame of width x height.
    void Clear(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Writes a command down; its box is cut to the frame here, and `text` kept.
    void Add(DrawCommand command, std::string_view text = {});
    std::span<const DrawCommand> Commands() const { return commands_; }
    std::string_view TextOf(const DrawCommand& c) const {
        return {text_.data() + c.textBegin, c.textLength};
    }
    // Command a of this list draws what command b of `other` draws (a blit never does: its
    // bitmap may have changed).
    bool Same(const DrawCommand& a, const DisplayList& other, const DrawCommand& b) const;
    // Draws command c on a canvas that draws.
    void Run(const DrawCommand& c, Canvas& on) const;

  private:
    std::vector<DrawCommand> commands_;
    std::vector<char> text_;
    int width_ = 0, height_ = 0;
};

}  // namespace tk
