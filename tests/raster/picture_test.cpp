// picture_test.cpp -- BMP and JPEG loading, key colour, broken files, PNG writing.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "toolkit/error.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/picture.h"
#include "toolkit/raster/png_writer.h"

namespace {

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = std::uint8_t(x >> (8 * i));
}

// A 24-bit bottom-up BMP written by hand; pixel (x, y) from the top-left.
std::vector<std::uint8_t> MakeBmp(const tk::Bitmap& b) {
    std::size_t stride = (std::size_t(b.width) * 3 + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> v(54 + stride * b.height);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, std::uint32_t(v.size()));
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, std::uint32_t(b.width));
    Put32(v, 22, std::uint32_t(b.height));
    v[26] = 1;
    v[28] = 24;
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            std::uint8_t* p = &v[54 + std::size_t(b.height - 1 - y) * stride + 3 * x];
            tk::Color c = b.At(x, y);
            p[0] = std::uint8_t(tk::BlueOf(c));
            p[1] = std::uint8_t(tk::GreenOf(c));
            p[2] = std::uint8_t(tk::RedOf(c));
        }
    return v;
}

std::vector<std::uint8_t> MakeJpeg(int w, int h, tk::Color fill) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &mem, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[3 * x] = JSAMPLE(tk::RedOf(fill));
        row[3 * x + 1] = JSAMPLE(tk::GreenOf(fill));
        row[3 * x + 2] = JSAMPLE(tk::BlueOf(fill));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(mem, mem + size);
    jpeg_destroy_compress(&cinfo);
    free(mem);
    return out;
}

// Where the compressed rows begin: just past the start-of-scan marker's header.
std::size_t ScanDataStart(const std::vector<std::uint8_t>& jpeg) {
    std::size_t sos = 0;
    while (!(jpeg[sos] == 0xFF && jpeg[sos + 1] == 0xDA))
        ++sos;
    return sos + 2 + (std::size_t(jpeg[sos + 2]) << 8 | jpeg[sos + 3]);
}

std::string WriteFixture(const std::string& name, const std::vector<std::uint8_t>& data) {
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    return path;
}

void ExpectLoadError(const std::string& path, tk::PictureFormat f) {
    try {
        tk::Picture p(path, f, false);
        p.Pixels();
        FAIL() << "no error for " << path;
    } catch (const tk::Error& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot load picture " + path), std::string::npos)
            << e.what();
    }
}

TEST(PictureBmp, KeyColourFromBottomLeftAndOnlyExactMatchesLeftOut) {
    const tk::Color key = 0xFF01FC, nearKey = 0xFF00FC;
    tk::Bitmap art(3, 2, key);
    art.At(1, 0) = nearKey;
    art.At(2, 0) = 0x102030;
    std::string path = WriteFixture("tower.bmp", MakeBmp(art));
    tk::PictureProbe probe = tk::ProbePicture(path);
    EXPECT_EQ(probe.format, tk::PictureFormat::Bitmap);
    EXPECT_EQ(probe.width, 3);
    EXPECT_EQ(probe.height, 2);
    EXPECT_EQ(probe.bottomLeft, key);

    tk::Picture pic(path, tk::PictureFormat::Bitmap, true);
    EXPECT_EQ(pic.Pixels().pixels, art.pixels);
    tk::Bitmap screen(5, 5, 0x000001);
    tk::Canvas c(screen);
    c.Draw(1, 1, pic);
    EXPECT_EQ(screen.At(1, 1), 0x000001u);  // key left out
    EXPECT_EQ(screen.At(2, 1), nearKey);    // near-key stays
    EXPECT_EQ(screen.At(3, 1), 0x102030u);
    EXPECT_EQ(screen.At(1, 2), 0x000001u);
    c.Draw(-2, 4, pic);  // clipped: only (0, 4) from picture column 2
    EXPECT_EQ(screen.At(0, 4), 0x102030u);

    tk::Picture opaque(path, tk::PictureFormat::Bitmap, false);
    c.Draw(0, 0, opaque);
    EXPECT_EQ(screen.At(0, 0), key);
}

TEST(PictureBmp, TopDownAnd32BitAccepted) {
    std::vector<std::uint8_t> v(54 + 2 * 4);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, 1);
    Put32(v, 22, std::uint32_t(-2));  // top-down
    v[26] = 1;
    v[28] = 32;
    v[54] = 0x33, v[55] = 0x22, v[56] = 0x11;  // top pixel BGRA
    v[58] = 0x66, v[59] = 0x55, v[60] = 0x44;
    tk::Bitmap b = tk::DecodeBmp(v.data(), v.size(), "td.bmp");
    ASSERT_EQ(b.height, 2);
    EXPECT_EQ(b.At(0, 0), 0x112233u);
    EXPECT_EQ(b.At(0, 1), 0x445566u);
}

// A 32-bit bitmap with colour masks is read by the usual masks; any other order (here red and
// blue swapped) would be drawn in the wrong colours, so it is refused by name.
TEST(PictureBmp, ThirtyTwoBitMasksAreHonouredOrRefused) {
    auto masked = [](std::uint32_t red, std::uint32_t blue) {
        std::vector<std::uint8_t> v(66 + 4);
        v[0] = 'B';
        v[1] = 'M';
        Put32(v, 10, 66);
        Put32(v, 14, 40);
        Put32(v, 18, 1);
        Put32(v, 22, 1);
        v[26] = 1;
        v[28] = 32;
        v[30] = 3;  // BI_BITFIELDS
        Put32(v, 54, red);
        Put32(v, 58, 0xFF00);
        Put32(v, 62, blue);
        v[66] = 0x33, v[67] = 0x22, v[68] = 0x11;
        return v;
    };
    const auto usual = masked(0xFF0000, 0xFF);
    EXPECT_EQ(tk::DecodeBmp(usual.data(), usual.size(), "usual.bmp").At(0, 0), 0x112233u);
    const auto swapped = masked(0xFF, 0xFF0000);
    try {
        tk::DecodeBmp(swapped.data(), swapped.size(), "swapped.bmp");
        ADD_FAILURE() << "a bitmap with swapped masks was drawn";
    } catch (const tk::Error& e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("Cannot load picture swapped.bmp: 32-bit colour masks", 0),
            0u)
            << e.what();
    }
}

TEST(PictureBmp, BrokenFilesGiveErrorsNamingTheFile) {
    tk::Bitmap art(4, 4, 0x808080);
    std::vector<std::uint8_t> good = MakeBmp(art);
    auto truncated = good;
    truncated.resize(good.size() - 5);
    ExpectLoadError(WriteFixture("short.bmp", truncated), tk::PictureFormat::Bitmap);
    auto header = good;
    header.resize(30);
    ExpectLoadError(WriteFixture("header.bmp", header), tk::PictureFormat::Bitmap);
    auto bits = good;
    bits[28] = 8;
    ExpectLoadError(WriteFixture("bits.bmp", bits), tk::PictureFormat::Bitmap);
    auto offset = good;
    Put32(offset, 10, 0xFFFFFFF0u);
    ExpectLoadError(WriteFixture("offset.bmp", offset), tk::PictureFormat::Bitmap);
    auto huge = good;
    Put32(huge, 18, 0x7FFFFFFF);
    ExpectLoadError(WriteFixture("huge.bmp", huge), tk::PictureFormat::Bitmap);
    ExpectLoadError(::testing::TempDir() + "missing.bmp", tk::PictureFormat::Bitmap);
    // A good bitmap where a JPEG is expected.
    ExpectLoadError(WriteFixture("notjpeg.bmp", good), tk::PictureFormat::Jpeg);
}

TEST(PictureJpeg, DecodesOnceAndDrawsOpaque) {
    std::string path = WriteFixture("moon.jpg", MakeJpeg(8, 6, 0xC08040));
    tk::PictureProbe probe = tk::ProbePicture(path);
    EXPECT_EQ(probe.format, tk::PictureFormat::Jpeg);
    EXPECT_EQ(probe.width, 8);
    EXPECT_EQ(probe.height, 6);
    tk::Picture pic(path, tk::PictureFormat::Jpeg, true);
    EXPECT_FALSE(pic.Transparent());
    const tk::Bitmap* first = &pic.Pixels();
    EXPECT_EQ(first, &pic.Pixels());
    tk::Bitmap screen(10, 10, 0);
    tk::Canvas c(screen);
    c.Draw(1, 1, pic);
    int drawn = 0;
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 9; ++x) {
            tk::Color p = screen.At(x, y);
            drawn += std::abs(tk::RedOf(p) - 0xC0) <= 3 && std::abs(tk::BlueOf(p) - 0x40) <= 3;
        }
    EXPECT_EQ(drawn, 48);
    EXPECT_EQ(screen.At(9, 9), 0u);
}

TEST(PictureJpeg, TruncatedAndCorruptNeverEndTheProcess) {
    // A file missing only its end marker still holds every pixel and is accepted.
    std::vector<std::uint8_t> good = MakeJpeg(32, 32, 0x336699);
    for (std::size_t cut : {std::size_t(3), std::size_t(20), good.size() / 2, good.size() - 40}) {
        std::vector<std::uint8_t> bad(good.begin(), good.begin() + std::ptrdiff_t(cut));
        EXPECT_THROW(tk::DecodeJpeg(bad.data(), bad.size(), "cut.jpg"), tk::Error) << cut;
    }
    std::vector<std::uint8_t> garbage = good;
    for (std::size_t i = 4; i < garbage.size(); i += 7)
        garbage[i] ^= 0x5A;
    try {
        tk::DecodeJpeg(garbage.data(), garbage.size(), "garbage.jpg");
    } catch (const tk::Error& e) {
        EXPECT_NE(std::string(e.what()).find("garbage.jpg"), std::string::npos);
    }
    auto cutFile = good;
    cutFile.resize(good.size() / 2);
    std::string path = WriteFixture("cut.jpg", cutFile);
    ExpectLoadError(path, tk::PictureFormat::Jpeg);
}

// A second start-of-image marker inside the scan breaks the picture in the middle of its rows:
// it must come back as tk::Error and leave nothing allocated behind, however many times a
// broken picture is tried.
TEST(PictureJpeg, BrokenScanMidRowsIsReportedAndFreesEverything) {
    std::vector<std::uint8_t> bad = MakeJpeg(17, 9, 0x6080A0);
    const std::uint8_t soi[] = {0xFF, 0xD8};
    bad.insert(bad.begin() + std::ptrdiff_t(ScanDataStart(bad) + 4), soi, soi + 2);

    auto decodeOnce = [&] {
        try {
            tk::DecodeJpeg(bad.data(), bad.size(), "soi.jpg");
            ADD_FAILURE() << "a JPEG with two start markers decoded";
        } catch (const tk::Error& e) {
            EXPECT_NE(std::string(e.what()).find("Cannot load picture soi.jpg"), std::string::npos)
                << e.what();
        }
    };
    decodeOnce();
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer build's leak check covers it there
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 500; ++i)
        decodeOnce();
    // Each leaked row would be some 75 bytes: 500 tries would hold on to tens of kilobytes.
    EXPECT_LT(mallinfo2().uordblks, before + 4096);
#endif
}

// libjpeg only warns about a file cut inside its rows and would fill the rest with grey: the
// picture is refused, never shown half grey.
TEST(PictureJpeg, CutInsideTheRowsIsRefused) {
    std::vector<std::uint8_t> good = MakeJpeg(64, 48, 0x2080C0);
    const std::size_t scan = ScanDataStart(good);
    ASSERT_GT(good.size(), scan + 8);
    std::vector<std::uint8_t> cut(good.begin(),
                                  good.begin() + std::ptrdiff_t((scan + good.size()) / 2));
    try {
        tk::DecodeJpeg(cut.data(), cut.size(), "halfrows.jpg");
        FAIL() << "a JPEG cut inside its rows decoded";
    } catch (const tk::Error& e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("Cannot load picture halfrows.jpg: data truncated", 0), 0u)
            << e.what();
    }
    // A picture on its own reads only the header, so the cut shows when the pixels are needed
    // (the start-up check reads the rows as well: see the next test).
    const std::string path = WriteFixture("halfrows.jpg", cut);
    tk::Picture picture(path, tk::PictureFormat::Jpeg, false);
    EXPECT_EQ(picture.Width(), 64);
    EXPECT_THROW(picture.Pixels(), tk::Error);
}

// The start-up check reads every compressed row of a JPEG: a file cut inside its rows, or broken
// in the middle of its scan, is refused there, naming the file, instead of failing each tick
// that draws it (a battle whose enemy's skull cannot be drawn never gets past the enemy's move).
TEST(PictureJpeg, StartUpProbeReadsTheRows) {
    const std::vector<std::uint8_t> good = MakeJpeg(200, 120, 0x2080C0);
    const tk::PictureProbe whole =
        tk::ProbePicture(WriteFixture("whole.jpg", good), tk::ProbeDepth::AllData);
    EXPECT_EQ(whole.format, tk::PictureFormat::Jpeg);
    EXPECT_EQ(whole.width, 200);
    EXPECT_EQ(whole.height, 120);

    const std::size_t scan = ScanDataStart(good);
    ASSERT_GT(good.size(), scan + 8);
    std::vector<std::uint8_t> broken = good;
    const std::uint8_t soi[] = {0xFF, 0xD8};
    broken.insert(broken.begin() + std::ptrdiff_t(scan + 4), soi, soi + 2);
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> bad = {
        {"rowscut.jpg", {good.begin(), good.begin() + std::ptrdiff_t((scan + good.size()) / 2)}},
        {"rowsshort.jpg", {good.begin(), good.end() - 40}},
        {"rowsbroken.jpg", broken},
    };
    for (const auto& [name, bytes] : bad) {
        const std::string path = WriteFixture(name, bytes);
        const tk::PictureProbe header = tk::ProbePicture(path);
        EXPECT_EQ(header.width, 200) << name;  // its header alone is sound
        try {
            tk::ProbePicture(path, tk::ProbeDepth::AllData);
            ADD_FAILURE() << name << " passed the start-up check";
        } catch (const tk::Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot load picture " + path + ": ", 0), 0u)
                << e.what();
        }
    }
}

// A few hundred bytes can claim 65000 x 65000 pixels: refused from the header, before the
// decoder makes a picture that size.
TEST(PictureJpeg, HeaderClaimingAHugeSizeIsRefused) {
    std::vector<std::uint8_t> v = MakeJpeg(8, 8, 0x808080);
    std::size_t sof = 0;
    while (!(v[sof] == 0xFF && v[sof + 1] == 0xC0))
        ++sof;
    v[sof + 5] = v[sof + 7] = 0xFD;  // height and width 0xFDE8 = 65000
    v[sof + 6] = v[sof + 8] = 0xE8;
    try {
        tk::DecodeJpeg(v.data(), v.size(), "vast.jpg");
        FAIL() << "a 65000 x 65000 JPEG decoded";
    } catch (const tk::Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot load picture vast.jpg: picture too large (65000 x 65000)");
    }
    EXPECT_THROW(tk::ProbePicture(WriteFixture("vast.jpg", v)), tk::Error);
}

TEST(PngWriter, WritesAFileAndReportsAnUnwritablePath) {
    tk::Bitmap b(3, 2, 0x00FF00);
    std::string path = ::testing::TempDir() + "shot.png";
    tk::WritePng(path, b);
    std::ifstream in(path, std::ios::binary);
    char sig[8] = {};
    in.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
    EXPECT_THROW(tk::WritePng("/nonexistent-dir/shot.png", b), tk::Error);
}

}  // namespace
