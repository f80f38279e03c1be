// canvas.h -- drawing on a Bitmap with the semantics of a classic desktop canvas.
//
// Lines leave out their end point, plotting is a one-pixel line, ellipse outlines fit their
// bounding box with the right and bottom edges excluded, text is placed by the top-left of its
// cell, pictures are drawn at natural size leaving out their key colour. Every operation clips
// exactly to the bitmap (or to a clip rectangle inside it), at negative coordinates and far
// outside alike: a pixel inside the clip is the same whatever the clip.
//
// A canvas made with a DisplayList draws nothing: it writes each call down, with the pen and
// font it was made with, for a FrameRecorder to draw where the frame changed.
#pragma once

#include <cstdint>
#include <string_view>

#include "toolkit/raster/bitmap.h"

namespace tk {

class Picture;
class DisplayList;
enum class DrawOp : std::uint8_t;

struct TextSize {
    int width = 0;
    int height = 0;
};

class Canvas {
  public:
    explicit Canvas(Bitmap& target) : Canvas(target.View()) {}
    explicit Canvas(PixelView target, DisplayList* record = nullptr)
        : target_(target), clip_{0, 0, target.width, target.height}, record_(record) {}

    int Width() const { return target_.width; }
    int Height() const { return target_.height; }
    // Drawing from now on stays inside `clip` (and the bitmap).
    void SetClip(Box clip);

    // Pen.
    void SetPenColor(Color c) { pen_ = c; }
    Color PenColor() const { return pen_; }
    void MoveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    void LineTo(int x, int y);                  // from the pen position; end point left out
    void Line(int x1, int y1, int x2, int y2);  // MoveTo + LineTo
    void Plot(int x, int y);                    // the line from (x, y) to (x + 1, y)
    void Ellipse(int left, int top, int right, int bottom);  // outline; right, bottom excluded

    // Brush: filled rectangles, right and bottom excluded (widgets and backgrounds).
    void FillRect(int left, int top, int right, int bottom, Color c);
    // The whole bitmap in one colour (a frame's background).
    void Fill(Color c);
    // Every second column of [left, right) x [top, bottom), from `left` on: a hatch.
    void Hatch(int left, int top, int right, int bottom, Color c);

    // Text. Size in points, which are pixels at 96 DPI (8 pt = 11 px).
    void SetFontSize(int points) { fontSize_ = points; }
    void SetFontColor(Color c) { fontColor_ = c; }
    void SetFontBold(bool bold) { bold_ = bold; }
    // Opaque: text cells are filled with the text background colour (black unless set).
    void SetTextOpaque(bool opaque) { textOpaque_ = opaque; }
    void SetTextBackground(Color c) { textBackground_ = c; }
    void TextOut(int x, int y, std::string_view text);  // 8-bit text, Latin-1
    TextSize TextExtent(std::string_view text) const;

    // Pictures: natural size, top-left at (x, y); a transparent bitmap leaves out pixels that
    // equal its key colour exactly; a JPEG is always opaque. May decode the picture (and
    // raise tk::Error if its file is broken), before anything is drawn or written down.
    void Draw(int x, int y, const Picture& picture);
    // Only the picture's top-left width x height (a picture component cut at its size).
    void Draw(int x, int y, const Picture& picture, int width, int height);
    // A whole bitmap copied opaquely (a widget's own composition). Its pixels may change
    // between frames, so a recorded blit is drawn again every frame.
    void Blit(int x, int y, const Bitmap& source);

  private:
    // With a display list: writes down a call drawing within `box` (its own rectangle) and
    // says so.
    bool WrittenDown(DrawOp op, Box box, Color c, bool covers);

    PixelView target_;
    Box clip_;
    DisplayList* record_;
    Color pen_ = 0;
    int penX_ = 0, penY_ = 0;
    int fontSize_ = 8;
    Color fontColor_ = 0;
    bool bold_ = false;
    bool textOpaque_ = false;
    Color textBackground_ = 0;
};

}  // namespace tk
