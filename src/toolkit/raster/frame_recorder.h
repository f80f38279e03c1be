// frame_recorder.h -- a screen's frame drawn again only where it differs from the last one.
//
// Each frame is written down (a DisplayList) while the screen draws it, then compared call by
// call with the frame before: where a call changed, came or went, its old and new rectangles
// are drawn afresh, with every call of the new frame that reaches them, in order. Elsewhere
// every call that touches a pixel is the same as last time, so the pixel is too. Two cases are
// cheaper still: an opaque picture that only slid sideways (the intro's clouds) has its pixels
// moved in place, and the lines that close a frame (the rain) are taken off by putting back
// what lay under them. The window's pixels come out exactly as a frame drawn whole would leave
// them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/raster/display_list.h"

namespace tk {

class FrameRecorder {
  public:
    FrameRecorder();

    // Starts a frame to be drawn in `target`; `holdsLast`: the pixels are as this recorder's
    // last frame left them. The screen draws on Canvas(target, &Begin(...)).
    DisplayList& Begin(const PixelView& target, bool holdsLast);
    // Draws the frame where it changed (everywhere when the pixels are not the last frame's).
    void Finish();

    // How many pixels the last Finish drew afresh.
    long long PixelsDrawn() const { return pixelsDrawn_; }

    // What changed is drawn in cells of a band's rows by this many columns: a few pixels drawn
    // twice cost less than a piece more.
    static constexpr int kCellWidth = 8;

  private:
    std::size_t StrokesOf(const DisplayList& list) const;
    bool SameStrokes(const DisplayList& now, std::size_t from, const DisplayList& before,
                     std::size_t beforeFrom) const;
    void TakeOffStrokes();
    void DrawStrokes(const DisplayList& now, std::size_t from);
    // Compares the commands before nowEnd and beforeEnd (the strokes are not among them).
    void FindDamage(const DisplayList& now, const DisplayList& before, std::size_t nowEnd,
                    std::size_t beforeEnd);
    void AddDamage(const Box& box, std::size_t from);
    void StartSlide(const DrawCommand& now, const DrawCommand& before, std::size_t index,
                    std::size_t beforeIndex);
    void FinishSlide(std::span<const DrawCommand> a, std::span<const DrawCommand> b);
    void MoveSlide();
    void IndexBands(const DisplayList& now, std::size_t end);
    void MarkCells(const DisplayList& now);
    void DrawCells(const DisplayList& now);
    const std::uint32_t* BandEnd(int band) const;
    const std::uint32_t* StartOf(const DisplayList& now, const Box& piece, int band) const;
    void DrawPiece(const DisplayList& now, const Box& piece, const std::uint32_t* from, int band);

    static constexpr int kBandRows = 32;
    static constexpr int kPieceCells = 8;
    // With more changed rectangles than this, the whole frame is drawn.
    static constexpr std::size_t kMostDamage = 2048;
    // How far the two frames' commands are searched for where they meet again.
    static constexpr std::size_t kLookAhead = 16;
    // Room for the pixels under the strokes: 256 KiB.
    static constexpr std::size_t kMostSaved = 65536;

    DisplayList lists_[2];
    int current_ = 0;
    bool lastDrawn_ = false;  // lists_[1 - current_] is what the pixels show
    PixelView target_, lastTarget_;
    bool holdsLast_ = false;
    // A paired command of the new frame that covers a rectangle whole, and where it stands.
    struct Cover {
        std::size_t index;
        Box box;
    };
    // This frame's picture that only slid sideways since the last (one at most).
    struct Slide {
        std::size_t now = 0, before = 0;  // its command in each frame
        int dx = 0;
        Box box;  // the pixels moved in place by dx
    };
    bool sliding_ = false;
    Slide slide_;
    std::vector<Box> damage_;
    std::vector<std::size_t> damageFrom_;  // each change is drawn under commands from here on
    std::vector<Cover> covers_;
    std::vector<std::uint8_t> paired_;  // the new frame's command is the same as one of the last
    // The rows changed in a cell, [top, bottom) within its band; none while top >= bottom.
    struct CellRows {
        std::uint8_t top = kBandRows, bottom = 0;
        std::uint32_t from = 0;  // the latest damageFrom_ of the changes in it
    };
    std::vector<CellRows> cellRows_;  // band by band
    std::vector<std::uint32_t> bandStart_, bandItems_;
    std::vector<std::uint32_t> coverStart_, coverItems_;  // places in bandItems_, band by band
    // The last frame's strokes (its commands from lastStrokes_ on) and what lay under each.
    bool strokesSaved_ = false;
    std::size_t lastStrokes_ = 0;
    std::vector<Color> saved_;
    std::vector<Box> savedBoxes_;
    long long pixelsDrawn_ = 0;
};

}  // namespace tk
