// catalogue_test.cpp -- the picture catalogue: unique names, the card rule and the start-up check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "assets/picture_catalogue.h"
#include "toolkit/error.h"

namespace {

TEST(PictureCatalogue, NamesAreUniqueAndOnlyBitmapsAreTransparent) {
    std::set<std::string_view> names;
    for (const vm::CatalogEntry& entry : vm::PictureCatalogue()) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
        if (entry.format == tk::PictureFormat::Jpeg) {
            EXPECT_FALSE(entry.transparent) << entry.name;
        }
        EXPECT_EQ(vm::FindPicture(entry.name), &entry);
    }
    EXPECT_EQ(vm::FindPicture("Form3.Image85"), nullptr);
    EXPECT_EQ(vm::FindPicture("Form6.Image1"), nullptr);  // the click surface has no picture
}

TEST(PictureCatalogue, CardNumbersSkipTheMoonPicture) {
    EXPECT_EQ(vm::CardPictureName(1), "Form3.Image8");
    EXPECT_EQ(vm::CardPictureName(5), "Form3.Image12");
    EXPECT_EQ(vm::CardPictureName(6), "Form3.Image14");
    EXPECT_EQ(vm::CardPictureName(70), "Form3.Image78");
    EXPECT_THROW(vm::CardPictureName(0), tk::Error);
    EXPECT_THROW(vm::CardPictureName(71), tk::Error);
    std::set<std::string> seen;
    for (int card = 1; card <= 70; ++card) {
        const std::string name = vm::CardPictureName(card);
        EXPECT_NE(name, "Form3.Image13");
        EXPECT_TRUE(seen.insert(name).second);
        const vm::CatalogEntry* entry = vm::FindPicture(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->format, tk::PictureFormat::Jpeg);
        EXPECT_EQ(entry->height, 270);
        const int width = card >= 22 && card <= 40 ? 161 : card >= 41 && card <= 62 ? 159 : 160;
        EXPECT_EQ(entry->width, width) << "card " << card;
    }
}

TEST(PictureCatalogue, StartUpCheckNamesTheMissingFile) {
    const auto dir = std::filesystem::temp_directory_path() / "vm_catalogue_empty";
    std::filesystem::create_directories(dir);
    try {
        vm::CheckPictures(dir.string());
        FAIL() << "an empty folder passed the picture check";
    } catch (const tk::Error& e) {
        EXPECT_NE(std::string(e.what()).find("Form1.Image1.bmp"), std::string::npos) << e.what();
    }
}

}  // namespace
