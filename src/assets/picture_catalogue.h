// picture_catalogue.h -- every picture of the game by its name, with file, format, size and key.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "toolkit/raster/bitmap.h"
#include "toolkit/raster/picture.h"

namespace vm {

struct CatalogEntry {
    std::string_view name;  // window and component, e.g. "Form3.Image8"
    std::string_view file;  // relative to the game folder, e.g. "pictures/Form3.Image8.jpg"
    tk::PictureFormat format;
    int width;
    int height;
    bool transparent;  // drawn leaving out the key colour (bitmaps only)
    tk::Color key;     // the bottom-left pixel of a transparent bitmap; 0 for the others
};

// The whole catalogue, in the order of data/art/pictures.txt (which the build reads).
std::span<const CatalogEntry> PictureCatalogue();

// The entry of that name, or nullptr.
const CatalogEntry* FindPicture(std::string_view name);

// The picture name of card 1..70: Form3.Image(n + 7) for 1..5, Form3.Image(n + 8) for 6..70.
// Throws tk::Error for a number outside 1..70.
std::string CardPictureName(int card);

// Start-up check: every catalogued file exists under gameDir with the catalogued format and
// size, all of its rows are there and decode, and every transparent bitmap's bottom-left pixel
// is its key. Throws tk::Error naming the first file that fails.
void CheckPictures(const std::string& gameDir);

}  // namespace vm
