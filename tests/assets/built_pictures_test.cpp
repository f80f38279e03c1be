// built_pictures_test.cpp -- every picture in the game folder matches its catalogue entry.
#include <gtest/gtest.h>

#include "assets/asset_library.h"
#include "assets/picture_catalogue.h"
#include "toolkit/error.h"

namespace {

TEST(BuiltPictures, PassTheStartUpCheck) {
    EXPECT_NO_THROW(vm::CheckPictures(VELLMOOR_GAME_DIR));
}

TEST(BuiltPictures, EachFileHasItsFormatSizeAndKey) {
    for (const vm::CatalogEntry& entry : vm::PictureCatalogue()) {
        const tk::PictureProbe probe =
            tk::ProbePicture(std::string(VELLMOOR_GAME_DIR) + "/" + std::string(entry.file));
        EXPECT_EQ(probe.format, entry.format) << entry.name;
        EXPECT_EQ(probe.width, entry.width) << entry.name;
        EXPECT_EQ(probe.height, entry.height) << entry.name;
        if (entry.transparent) {
            EXPECT_EQ(probe.bottomLeft, entry.key) << entry.name;
        }
    }
}

TEST(BuiltPictures, LibraryResolvesEveryNameAndKeepsJpegsOpaque) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    EXPECT_EQ(library.Size(), vm::PictureCatalogue().size());
    for (const vm::CatalogEntry& entry : vm::PictureCatalogue()) {
        const tk::Picture& picture = library.Get(entry.name);
        EXPECT_EQ(picture.Transparent(), entry.transparent) << entry.name;
        if (entry.transparent) {
            EXPECT_EQ(picture.KeyColor(), entry.key) << entry.name;
            // A transparent picture that is all key would draw nothing at all.
            const tk::Bitmap& pixels = picture.Pixels();
            std::size_t opaque = 0;
            for (tk::Color c : pixels.pixels)
                opaque += (c & 0xFFFFFF) != entry.key;
            EXPECT_GT(opaque, pixels.pixels.size() / 50) << entry.name << " is nearly empty";
        }
    }
    EXPECT_THROW(library.Get("Form3.Image0"), tk::Error);
}

TEST(BuiltPictures, CardPicturesDecodeAtTheirSize) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    for (int card = 1; card <= 70; ++card) {
        const tk::Picture& picture = library.Get(vm::CardPictureName(card));
        EXPECT_EQ(picture.Pixels().width, picture.Width());
        EXPECT_EQ(picture.Pixels().height, 270);
    }
}

}  // namespace
