// converter_test.cpp -- thresholding to the key colour and the files the picture converter writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "picture_convert_core.h"
#include "toolkit/raster/picture.h"

namespace {

using vm::art::Rgb;

// A 3 x 2 fixture: top row alpha 0, 127, 128; bottom row opaque red, opaque key, opaque green.
vm::art::RgbaImage Fixture(Rgb key) {
    return {3, 2, {10,  20, 30, 0,   40,    50,    60,    127, 70, 80,  90, 128,  //
                   200, 0,  0,  255, key.r, key.g, key.b, 255, 0,  200, 0,  255}};
}

TEST(PictureConverter, ThresholdsEdgesAndProtectsTheKey) {
    const Rgb key{0xFF, 0x00, 0xFF};
    const vm::art::RgbImage out = vm::art::ThresholdToKey(Fixture(key), key);
    EXPECT_EQ(out.At(0, 0), key);                // fully transparent
    EXPECT_EQ(out.At(1, 0), key);                // alpha 127: no fringe
    EXPECT_EQ(out.At(2, 0), (Rgb{70, 80, 90}));  // alpha 128 keeps its colour
    EXPECT_EQ(out.At(0, 1), key);                // bottom-left always names the key
    EXPECT_NE(out.At(1, 1), key);                // an opaque key-coloured pixel survives
    EXPECT_EQ(out.At(1, 1), (Rgb{0xFF, 0x00, 0xFE}));
    EXPECT_EQ(out.At(2, 1), (Rgb{0, 200, 0}));
}

TEST(PictureConverter, FlattensTransparencyOverBlack) {
    const vm::art::RgbImage out = vm::art::FlattenOverBlack(Fixture({1, 2, 3}));
    EXPECT_EQ(out.At(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(out.At(2, 0), (Rgb{35, 40, 45}));
    EXPECT_EQ(out.At(0, 1), (Rgb{200, 0, 0}));
}

TEST(PictureConverter, WrittenFilesProbeWithTheirSizeAndKey) {
    const auto dir = std::filesystem::temp_directory_path() / "vm_converter_test";
    std::filesystem::create_directories(dir);
    const Rgb key{0x03, 0xBB, 0x1D};
    // Odd width, so the bitmap rows need padding to four bytes.
    vm::art::RgbaImage big{5, 3, std::vector<std::uint8_t>(5 * 3 * 4, 255)};
    const vm::art::RgbImage keyed = vm::art::ThresholdToKey(big, key);
    const std::string bmp = (dir / "fixture.bmp").string(), jpg = (dir / "fixture.jpg").string();
    vm::art::WriteBmp24(bmp, keyed);
    vm::art::WriteJpeg(jpg, vm::art::FlattenOverBlack(big), 90);

    const tk::PictureProbe b = tk::ProbePicture(bmp);
    EXPECT_EQ(b.format, tk::PictureFormat::Bitmap);
    EXPECT_EQ(b.width, 5);
    EXPECT_EQ(b.height, 3);
    EXPECT_EQ(b.bottomLeft, tk::Rgb(0x03, 0xBB, 0x1D));
    const tk::Picture picture(bmp, tk::PictureFormat::Bitmap, true);
    EXPECT_EQ(picture.Pixels().At(0, 2), tk::Rgb(0x03, 0xBB, 0x1D));
    EXPECT_EQ(picture.Pixels().At(4, 0), tk::Rgb(255, 255, 255));

    const tk::PictureProbe j = tk::ProbePicture(jpg);
    EXPECT_EQ(j.format, tk::PictureFormat::Jpeg);
    EXPECT_EQ(j.width, 5);
    EXPECT_EQ(j.height, 3);
}

TEST(PictureConverter, UnreadablePngNamesTheFile) {
    try {
        vm::art::ReadPng("/nonexistent/render.png");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/render.png"), std::string::npos);
    }
}

}  // namespace
