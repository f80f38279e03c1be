// canvas.h -- drawing on a Bitmap with the semantics of a classic desktop canvas.
//
// Lines leave out their end point, plotting is a one-pixel line, ellipse outlines fit their
// bounding box with the right and bottom edges excluded, text is placed by the top-left of its
// cell, pictures are drawn at natural size leaving out their key colour. Every operation clips
// exactly to the bitmap, at negative coordinates and far outside alike.
#pragma once

#include <string_view>

#include "toolkit/raster/bitmap.h"
#include "toolkit/raster/drawn_rows.h"

namespace tk {

class Picture;

struct TextSize {
    int width = 0;
    int height = 0;
};

class Canvas {
  public:
    explicit Canvas(Bitmap& target) : target_(target.View()) {}
    explicit Canvas(PixelView target) : target_(target) {}

    // The pixels, for drawing of one's own (after any fill still owed, see FillLater), in the
    // rectangle [left, right) x [top, bottom), or anywhere.
    const PixelView& Target(long long left, long long top, long long right, long long bottom) {
        Settle();
        Mark(left, top, right, bottom);
        return target_;
    }
    const PixelView& Target() { return Target(0, 0, target_.width, target_.height); }
    int Width() const { return target_.width; }
    int Height() const { return target_.height; }

    // Pen.
    void SetPenColor(Color c) { pen_ = c; }
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
    // raise tk::Error if its file is broken).
    void Draw(int x, int y, const Picture& picture);
    // A whole bitmap copied opaquely (screen frames onto windows, widgets onto forms).
    void Blit(int x, int y, const Bitmap& source);

    // Fills the whole target with c, made as late as possible: the next drawing call makes it
    // first, except that an opaque picture drawn next is drawn straight onto the target and only
    // what it leaves uncovered is filled. The pixels are those of a fill made at once; what the
    // picture covers is just not written twice. Settle() makes a fill still owed (call it
    // before the target is shown; it never throws). With onlyWhereDrawn, the target holds c
    // already everywhere but where those rows were drawn on, and the fill is made only there.
    void FillLater(Color c, const DrawnRows* onlyWhereDrawn = nullptr) {
        fillOwed_ = true;
        fillColor_ = c;
        fillOnly_ = onlyWhereDrawn;
    }
    void Settle() {
        if (fillOwed_) FillAround(0, 0, 0, 0);
    }
    // Every drawing call from now on marks what it may have drawn on in `drawn` (or nothing).
    void TrackDrawing(DrawnRows* drawn) { drawn_ = drawn; }

  private:
    // Makes the fill owed everywhere but the rectangle [l, r) x [t, b) (already clipped).
    void FillAround(long long l, long long t, long long r, long long b);
    void Mark(long long x0, long long y0, long long x1, long long y1) {
        if (drawn_) drawn_->Mark(x0, y0, x1, y1);
    }

    PixelView target_;
    bool fillOwed_ = false;
    Color fillColor_ = 0;
    const DrawnRows* fillOnly_ = nullptr;
    DrawnRows* drawn_ = nullptr;
    Color pen_ = 0;
    int penX_ = 0, penY_ = 0;
    int fontSize_ = 8;
    Color fontColor_ = 0;
    bool bold_ = false;
    bool textOpaque_ = false;
    Color textBackground_ = 0;
};

}  // namespace tk
