// frame_recorder_test.cpp -- frames drawn again only where they changed come out exactly as the
// same frames drawn whole, whatever moves, comes, goes or changes colour between them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/asset_library.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/frame_recorder.h"

namespace {

enum class Kind { Line, Plot, Ellipse, Rect, Hatch, Text, Picture, Cut };

struct Stroke {
    Kind kind = Kind::Line;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    tk::Color colour = 0;
    bool opaque = false;
    int picture = 0;
};

// Keyed and opaque pictures: sprites, a panorama wider than the frame, a painting, and cliffs
// whose rock rows are solid.
const char* const kPictures[] = {"Form3.Image1",   "Form3.Image6",  "Form4.Image5",
                                 "Form6.Image14",  "Form3.Image13", "Form6.Image16",
                                 "Form10.Image16", "Form3.Image5"};
const char* const kTexts[] = {"Vellmoor", "", "A tower of 500", "gj|Wy"};

class Scene {
  public:
    Scene(const vm::AssetLibrary& library, unsigned seed) : library_(library), random_(seed) {}

    int At(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    Stroke Any() {
        Stroke s;
        s.kind = Kind(At(0, 7));
        s.x = At(-150, 250);
        s.y = At(-150, 200);
        s.x2 = s.x + At(-120, 120);
        s.y2 = s.y + At(-120, 120);
        s.colour = tk::Rgb(At(0, 255), At(0, 255), At(0, 255));
        s.opaque = At(0, 1) == 1;
        s.picture = At(0, int(std::size(kPictures)) - 1);
        return s;
    }

    // A few strokes move, change colour, come or go; most stay as they were.
    void Change(std::vector<Stroke>& strokes) {
        for (int n = At(0, 4); n > 0 && !strokes.empty(); --n) {
            Stroke& s = strokes[std::size_t(At(0, int(strokes.size()) - 1))];
            switch (At(0, 4)) {
                case 0:
                    s.x += At(-9, 9);
                    s.y += At(-9, 9);
                    break;
                case 4:  // sideways only
                    s.x += At(-20, 20);
                    break;
                case 1:
                    s.colour ^= 0x5A5A5A;
                    break;
                case 2:
                    strokes.erase(strokes.begin() + (&s - strokes.data()));
                    break;
                default:
                    strokes.insert(strokes.begin() + (&s - strokes.data()), Any());
            }
        }
    }

    // A band of the panorama under everything, drifting as the intro's clouds do.
    int drift = 0;
    // Rain over everything, falling every frame; now and then a streak reaches across the
    // window, more than the recorder keeps the pixels under.
    std::vector<Stroke> rain;

    void Fall() {
        if (rain.empty())
            for (int i = 0; i < 12; ++i)
                rain.push_back(
                    {Kind::Line, At(0, 700), At(-20, 500), 0, 0, tk::Rgb(200, 200, 255)});
        for (Stroke& r : rain) {
            r.x -= 3;
            r.y += At(3, 7);
            if (r.y > 520) r.y = At(-20, 0);
            const bool across = At(0, 40) == 0;
            r.x2 = r.x - (across ? 700 : 3);
            r.y2 = r.y + (across ? 500 : At(3, 7));
        }
    }

    void Draw(tk::Canvas& c, const std::vector<Stroke>& strokes) const {
        c.Fill(0);
        c.Draw(drift, 40, library_.Get("Form3.Image6"), 3997, 90);
        for (const Stroke& s : strokes) {
            c.SetPenColor(s.colour);
            switch (s.kind) {
                case Kind::Line:
                    c.Line(s.x, s.y, s.x2, s.y2);
                    break;
                case Kind::Plot:
                    c.Plot(s.x, s.y);
                    break;
                case Kind::Ellipse:
                    c.Ellipse(s.x, s.y, s.x2, s.y2);
                    break;
                case Kind::Rect:
                    c.FillRect(s.x, s.y, s.x2, s.y2, s.colour);
                    break;
                case Kind::Hatch:
                    c.Hatch(s.x, s.y, s.x2, s.y2, s.colour);
                    break;
                case Kind::Text:
                    c.SetFontSize(8 + s.picture * 3);
                    c.SetFontBold(s.opaque);
                    c.SetFontColor(s.colour);
                    c.SetTextOpaque(s.opaque);
                    c.SetTextBackground(~s.colour & 0xFFFFFF);
                    c.TextOut(s.x, s.y, kTexts[std::size_t(s.picture) % std::size(kTexts)]);
                    break;
                case Kind::Picture:
                    c.Draw(s.x, s.y, library_.Get(kPictures[s.picture]));
                    break;
                case Kind::Cut:
                    c.Draw(s.x, s.y, library_.Get(kPictures[s.picture]), s.x2 - s.x, s.y2 - s.y);
                    break;
            }
        }
        for (const Stroke& r : rain) {
            c.SetPenColor(r.colour);
            c.Line(r.x, r.y, r.x2, r.y2);
        }
    }

  private:
    const vm::AssetLibrary& library_;
    std::mt19937 random_;
};

TEST(FrameRecorder, FramesDrawnWhereTheyChangedMatchFramesDrawnWhole) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Scene scene(library, seed);
        std::vector<Stroke> strokes;
        for (int i = scene.At(5, 60); i > 0; --i)
            strokes.push_back(scene.Any());
        // The last seed's window is large enough for a streak across it to leave no room.
        const int w = seed < 6 ? 233 : 700, h = seed < 6 ? 171 : 500;
        tk::Bitmap window(w, h), whole(w, h);
        tk::FrameRecorder recorder;
        for (int frame = 0; frame < 60; ++frame) {
            // Now and then the pixels are not the last frame's (another window drew there).
            const bool holdsLast = frame % 17 != 5;
            if (!holdsLast) std::fill(window.pixels.begin(), window.pixels.end(), 0x123456u);
            tk::Canvas recorded(window.View(), &recorder.Begin(window.View(), holdsLast));
            scene.Draw(recorded, strokes);
            recorder.Finish();
            tk::Canvas direct(whole);
            scene.Draw(direct, strokes);
            ASSERT_EQ(window.pixels, whole.pixels) << "seed " << seed << ", frame " << frame;
            if (frame % 10 != 1) {  // else the same frame again
                scene.Change(strokes);
                scene.drift -= scene.At(0, 12);
                scene.Fall();
            }
        }
    }
}

TEST(FrameRecorder, AnUnchangedFrameDrawsNothingAndASmallChangeLittle) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    tk::Bitmap window(640, 480), whole(640, 480);
    tk::FrameRecorder recorder;
    const tk::Picture& painting = library.Get("Form6.Image16");
    auto draw = [&](tk::Canvas& c, int frame) {
        c.Fill(0);
        c.Draw(10 - (frame == 3), 10, painting);
        c.SetPenColor(0xFFFFFF);
        c.Plot(400 + (frame >= 2), 300);
    };
    for (int frame = 0; frame < 4; ++frame) {
        tk::Canvas c(window.View(), &recorder.Begin(window.View(), true));
        draw(c, frame);
        recorder.Finish();
        // Everything first, then nothing. The dot, a closing stroke, is taken off by putting back
        // its rectangle (two pixels: a plot is a line whose end is left out) and drawn again
        // elsewhere. Then the painting slides one pixel left: its pixels are moved, and only the
        // column it left is drawn, in a cell of columns.
        const long long dot = 2, moved = 2 * dot;
        const long long expected[] = {640 * 480 + dot, 0, moved,
                                      tk::FrameRecorder::kCellWidth * painting.Height() + moved};
        EXPECT_EQ(recorder.PixelsDrawn(), expected[frame]) << "frame " << frame;
    }
    tk::Canvas direct(whole);
    draw(direct, 3);
    EXPECT_EQ(window.pixels, whole.pixels);
}

}  // namespace
