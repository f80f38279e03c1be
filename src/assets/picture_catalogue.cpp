// picture_catalogue.cpp -- the table of every picture, lookups by name and the start-up check.
#include "assets/picture_catalogue.h"

#include <array>
#include <cstdio>
#include <string>

#include "toolkit/error.h"

namespace vm {
namespace {

// One row a picture, in the order of data/art/pictures.txt, written from it by the build.
constexpr CatalogEntry kCatalogue[] = {
#include "assets/picture_catalogue_rows.inc"
};

std::string Hex(tk::Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return text;
}

}  // namespace

std::span<const CatalogEntry> PictureCatalogue() {
    return kCatalogue;
}

const CatalogEntry* FindPicture(std::string_view name) {
    for (const CatalogEntry& entry : kCatalogue)
        if (entry.name == name) return &entry;
    return nullptr;
}

std::string CardPictureName(int card) {
    if (card < 1 || card > 70) throw tk::Error("no card number " + std::to_string(card));
    return "Form3.Image" + std::to_string(card <= 5 ? card + 7 : card + 8);
}

void CheckPictures(const std::string& gameDir) {
    for (const CatalogEntry& entry : kCatalogue) {
        const std::string path = gameDir + "/" + std::string(entry.file);
        // Throws naming the file; a JPEG's rows are read too, as a broken one would stop the
        // battle at the first tick that draws it.
        const tk::PictureProbe probe = tk::ProbePicture(path, tk::ProbeDepth::AllData);
        if (probe.format != entry.format)
            throw tk::Error(path + ": expected a " +
                            (entry.format == tk::PictureFormat::Jpeg ? "JPEG" : "24-bit bitmap"));
        if (probe.width != entry.width || probe.height != entry.height)
            throw tk::Error(path + ": is " + std::to_string(probe.width) + " x " +
                            std::to_string(probe.height) + ", expected " +
                            std::to_string(entry.width) + " x " + std::to_string(entry.height));
        if (entry.transparent && probe.bottomLeft != entry.key)
            throw tk::Error(path + ": key colour (bottom-left pixel) is " + Hex(probe.bottomLeft) +
                            ", expected " + Hex(entry.key));
    }
}

}  // namespace vm
