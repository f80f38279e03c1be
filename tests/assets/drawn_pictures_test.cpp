// drawn_pictures_test.cpp -- every picture of the game drawn by the canvas lands exactly where a
// plain pixel-by-pixel copy puts it, however far it hangs over the frame's edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/asset_library.h"
#include "assets/picture_catalogue.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/frame_recorder.h"

namespace {

// A background no picture shares: every pixel its own colour, so a key pixel drawn over it or
// a picture pixel missing shows.
void FillPattern(tk::Bitmap& b) {
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            b.At(x, y) =
                tk::Color((std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u) & 0xFFFFFF);
}

// The reference: each picture pixel on its own, inside the frame, unless it is the key colour.
void DrawReference(tk::Bitmap& frame, int left, int top, const tk::Picture& picture) {
    const tk::Bitmap& p = picture.Pixels();
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const long long fx = (long long)left + x, fy = (long long)top + y;
            if (fx < 0 || fy < 0 || fx >= frame.width || fy >= frame.height) continue;
            const tk::Color c = p.At(x, y);
            if (picture.Transparent() && c == picture.KeyColor()) continue;
            frame.At(int(fx), int(fy)) = c;
        }
    }
}

// Places along one axis: hanging over the start by all but one pixel, by half, by one; at the
// start; flush with the far edge; over it by half; one pixel in; and wholly outside both ways.
std::vector<int> PlacesAlong(int frameSize, int pictureSize) {
    return {-pictureSize + 1,
            -pictureSize / 2,
            -1,
            0,
            3,
            frameSize - pictureSize,
            frameSize - pictureSize / 2,
            frameSize - 1,
            frameSize,
            -pictureSize,
            -1000000000,
            1000000000};
}

TEST(DrawnPictures, EveryPictureMatchesThePixelByPixelCopyAtClippedPlaces) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    // Narrower and lower than the panorama and the paintings, several times a badge's size.
    tk::Bitmap fast(331, 217), reference(331, 217);
    tk::FrameRecorder recorder;
    const tk::PixelView view = fast.View();
    for (const vm::CatalogEntry& entry : vm::PictureCatalogue()) {
        const tk::Picture& picture = library.Get(entry.name);
        int mismatches = 0;
        for (int x : PlacesAlong(fast.width, picture.Width())) {
            for (int y : PlacesAlong(fast.height, picture.Height())) {
                FillPattern(fast);
                FillPattern(reference);
                tk::Canvas(fast).Draw(x, y, picture);
                DrawReference(reference, x, y, picture);
                if (fast.pixels != reference.pixels && ++mismatches <= 3)
                    ADD_FAILURE() << entry.name << " drawn at (" << x << ", " << y << ")";
                // Drawn again through a frame recorder over a black fill, as the screens do.
                tk::Canvas recorded(view, &recorder.Begin(view, false));
                recorded.Fill(0);
                recorded.Draw(x, y, picture);
                recorder.Finish();
                std::fill(reference.pixels.begin(), reference.pixels.end(), tk::Color(0));
                DrawReference(reference, x, y, picture);
                if (fast.pixels != reference.pixels && ++mismatches <= 3)
                    ADD_FAILURE() << entry.name << " recorded at (" << x << ", " << y << ")";
            }
        }
    }
}

}  // namespace
