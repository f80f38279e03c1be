// picture.cpp -- BMP and JPEG decoding with every header field checked against the file.
#include "toolkit/raster/picture.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <utility>

#include "toolkit/error.h"
#include "toolkit/files/regular_file.h"

namespace tk {
namespace {

[[noreturn]] void Fail(const std::string& name, const std::string& reason) {
    throw Error("Cannot load picture " + name + ": " + reason);
}

// Far above any picture file of the game: the largest picture allowed below, at 32 bits.
constexpr std::size_t kMaxPictureFileBytes = std::size_t(80) << 20;

// The whole file; a folder, a pipe or a device in the picture's place is refused by name at
// once, never waited on.
std::string ReadFile(const std::string& path) {
    FileContents file = ReadRegularFile(path, kMaxPictureFileBytes);
    if (file.status != FileStatus::Read) Fail(path, WhyNotRead(file, kMaxPictureFileBytes));
    return std::move(file.bytes);
}

const std::uint8_t* Bytes(const std::string& data) {
    return reinterpret_cast<const std::uint8_t*>(data.data());
}

std::uint32_t U16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

// Far above any picture of the game (the widest is under 4000 x 600), and small enough that a
// broken header cannot make a decoder ask for gigabytes.
constexpr std::uint64_t kMaxPicturePixels = std::uint64_t(1) << 24;

bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
    return width * height <= kMaxPicturePixels;
}

struct BmpLayout {
    int width = 0, height = 0, bytesPerPixel = 0;
    bool bottomUp = true;
    std::size_t offset = 0, stride = 0;
};

BmpLayout ParseBmpHeader(const std::uint8_t* d, std::size_t size, const std::string& name) {
    if (size < 54) Fail(name, "file too short for a bitmap header");
    if (d[0] != 'B' || d[1] != 'M') Fail(name, "not a bitmap");
    BmpLayout L;
    L.offset = U32(d + 10);
    std::uint32_t infoSize = U32(d + 14);
    if (infoSize < 40 || 14 + std::size_t(infoSize) > size) Fail(name, "bad info header size");
    std::int32_t w = std::int32_t(U32(d + 18)), h = std::int32_t(U32(d + 22));
    if (U16(d + 26) != 1) Fail(name, "bad plane count");
    std::uint32_t bits = U16(d + 28), compression = U32(d + 30);
    if (bits != 24 && bits != 32) Fail(name, "only 24-bit and 32-bit bitmaps are supported");
    // 32-bit files often say BI_BITFIELDS (3); only the usual masks, which the pixels are read
    // by, are taken: any other order would be drawn in the wrong colours. 24-bit must be BI_RGB.
    if (compression != 0 && !(bits == 32 && compression == 3)) Fail(name, "compressed bitmap");
    if (compression == 3) {
        // The masks follow a 40-byte info header, or lie inside a longer one: bytes 54..65.
        if ((infoSize != 40 && infoSize < 52) || size < 66) Fail(name, "colour masks missing");
        if (U32(d + 54) != 0xFF0000 || U32(d + 58) != 0xFF00 || U32(d + 62) != 0xFF)
            Fail(name, "32-bit colour masks other than 8-bit red, green, blue");
    }
    if (w <= 0 || w > 65535 || h == 0 || h < -65535 || h > 65535) Fail(name, "bad size");
    L.width = w;
    L.bottomUp = h > 0;
    L.height = h > 0 ? h : -h;
    if (!PictureSizeAllowed(std::uint64_t(L.width), std::uint64_t(L.height))) {
        Fail(name, "picture too large (" + std::to_string(L.width) + " x " +
                       std::to_string(L.height) + ")");
    }
    L.bytesPerPixel = int(bits / 8);
    L.stride = (std::size_t(w) * L.bytesPerPixel + 3) & ~std::size_t(3);
    if (L.offset < 14 + infoSize || L.offset > size) Fail(name, "bad pixel data offset");
    if ((size - L.offset) / L.stride < std::size_t(L.height)) Fail(name, "pixel data truncated");
    return L;
}

Color BmpPixel(const std::uint8_t* d, const BmpLayout& L, int x, int y) {
    int row = L.bottomUp ? L.height - 1 - y : y;
    const std::uint8_t* p =
        d + L.offset + std::size_t(row) * L.stride + std::size_t(x) * L.bytesPerPixel;
    return Rgb(p[2], p[1], p[0]);
}

struct JpegErrorJump {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool warning;
};

void JpegErrorExit(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegErrorJump*>(info->err);
    info->err->format_message(info, err->message);
    std::longjmp(err->jump, 1);
}
// libjpeg only warns about a truncated or corrupt file and would go on with grey filler: stop
// at the first warning instead, so a broken picture is refused at once, however large it claims
// to be. Trace messages (level >= 0) are ignored.
void JpegWarningExit(j_common_ptr info, int level) {
    if (level >= 0) return;
    reinterpret_cast<JpegErrorJump*>(info->err)->warning = true;
    JpegErrorExit(info);
}

}  // namespace

Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name) {
    BmpLayout L = ParseBmpHeader(data, size, name);
    Bitmap out(L.width, L.height);
    for (int y = 0; y < L.height; ++y) {
        Color* dst = &out.pixels[std::size_t(y) * L.width];
        for (int x = 0; x < L.width; ++x)
            dst[x] = BmpPixel(data, L, x, y);
    }
    return out;
}

// No C++ objects with destructors live between setjmp and a longjmp, and nothing is allocated
// there outside libjpeg's own pools (a local changed after setjmp is not reliable once the jump
// lands), so the jump is safe and leaks nothing; the tk::Error is thrown only after libjpeg has
// been cleaned up.
enum class JpegRead { Header, CheckRows, Pixels };

static bool DecodeJpegInto(const std::uint8_t* data, std::size_t size, Bitmap& out, char* message,
                           JpegRead read) {
    jpeg_decompress_struct cinfo;
    JpegErrorJump err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.emit_message = JpegWarningExit;
    err.message[0] = 0;
    err.warning = false;
    if (setjmp(err.jump)) {
        if (err.warning) {
            std::snprintf(message, JMSG_LENGTH_MAX, "data truncated or corrupt (%s)", err.message);
        } else {
            std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        }
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // A header can promise any size in a few bytes; refuse before anything that size is made.
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large (%u x %u)",
                      unsigned(cinfo.image_width), unsigned(cinfo.image_height));
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (read != JpegRead::Pixels) {
        out.width = int(cinfo.image_width);
        out.height = int(cinfo.image_height);
    }
    if (read == JpegRead::Header) {
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    cinfo.out_color_space = JCS_RGB;
    if (read == JpegRead::CheckRows) {
        // Every compressed row is still read and checked; only the pixels come out small.
        cinfo.scale_num = 1;
        cinfo.scale_denom = 8;
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&cinfo);
    if (read == JpegRead::CheckRows) {
        JSAMPARRAY rows = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                     JPOOL_IMAGE, cinfo.output_width * 3, 1);
        while (cinfo.output_scanline < cinfo.output_height)
            jpeg_read_scanlines(&cinfo, rows, 1);
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    out.Resize(int(cinfo.output_width), int(cinfo.output_height));
    // The row lives in libjpeg's image pool, which jpeg_destroy_decompress frees on every path.
    JSAMPARRAY rows = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                 JPOOL_IMAGE, cinfo.output_width * 3, 1);
    const JSAMPLE* row = rows[0];
    while (cinfo.output_scanline < cinfo.output_height) {
        int y = int(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, rows, 1);
        Color* dst = &out.pixels[std::size_t(y) * out.width];
        for (int x = 0; x < out.width; ++x)
            dst[x] = Rgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name) {
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) Fail(name, "not a JPEG");
    Bitmap out;
    char message[JMSG_LENGTH_MAX] = {};
    if (!DecodeJpegInto(data, size, out, message, JpegRead::Pixels)) Fail(name, message);
    return out;
}

PictureProbe ProbePicture(const std::string& path, ProbeDepth depth) {
    const std::string file = ReadFile(path);
    const std::uint8_t* d = Bytes(file);
    PictureProbe p;
    if (file.size() >= 2 && d[0] == 'B' && d[1] == 'M') {
        BmpLayout L = ParseBmpHeader(d, file.size(), path);
        p.format = PictureFormat::Bitmap;
        p.width = L.width;
        p.height = L.height;
        p.bottomLeft = BmpPixel(d, L, 0, L.height - 1);
        return p;
    }
    if (file.size() >= 4 && d[0] == 0xFF && d[1] == 0xD8) {
        Bitmap size;
        char message[JMSG_LENGTH_MAX] = {};
        const JpegRead read = depth == ProbeDepth::AllData ? JpegRead::CheckRows : JpegRead::Header;
        if (!DecodeJpegInto(d, file.size(), size, message, read)) Fail(path, message);
        p.format = PictureFormat::Jpeg;
        p.width = size.width;
        p.height = size.height;
        return p;
    }
    Fail(path, "neither a bitmap nor a JPEG");
}

Picture::Picture(std::string path, PictureFormat format, bool transparent)
    : path_(std::move(path)), format_(format), transparent_(transparent) {
    PictureProbe p = ProbePicture(path_);
    if (p.format != format_)
        Fail(path_, format_ == PictureFormat::Jpeg ? "expected a JPEG" : "expected a bitmap");
    width_ = p.width;
    height_ = p.height;
    key_ = p.bottomLeft;
    if (format_ == PictureFormat::Bitmap) Pixels();
}

const Bitmap& Picture::Pixels() const {
    if (!decoded_) {
        const std::string file = ReadFile(path_);
        pixels_ = format_ == PictureFormat::Jpeg ? DecodeJpeg(Bytes(file), file.size(), path_)
                                                 : DecodeBmp(Bytes(file), file.size(), path_);
        if (pixels_.width != width_ || pixels_.height != height_)
            Fail(path_, "file changed since it was checked");
        if (Transparent()) FindOpaqueRuns();
        decoded_ = true;
    }
    return pixels_;
}

void Picture::FindOpaqueRuns() const {
    runs_.clear();
    rowRuns_.assign(1, 0);
    solidFirst_ = solidLast_ = 0;
    int stretch = 0;  // where the solid rows up to here began
    for (int y = 0; y < pixels_.height; ++y) {
        const Color* row = pixels_.pixels.data() + std::size_t(y) * pixels_.width;
        for (int x = 0; x < pixels_.width;) {
            while (x < pixels_.width && row[x] == key_)
                ++x;
            const int begin = x;
            while (x < pixels_.width && row[x] != key_)
                ++x;
            if (x > begin) runs_.push_back({begin, x});
        }
        rowRuns_.push_back(std::uint32_t(runs_.size()));
        const bool solid = rowRuns_.back() - rowRuns_[rowRuns_.size() - 2] == 1 &&
                           runs_.back().begin == 0 && runs_.back().end == pixels_.width;
        if (!solid) {
            stretch = y + 1;
        } else if (y + 1 - stretch > solidLast_ - solidFirst_) {
            solidFirst_ = stretch;
            solidLast_ = y + 1;
        }
    }
    runs_.shrink_to_fit();
}

std::span<const OpaqueRun> Picture::RunsOf(int y, long long from, long long to) const {
    const auto row = RunsOf(y);
    const auto first = std::partition_point(row.begin(), row.end(),
                                            [&](const OpaqueRun& run) { return run.end <= from; });
    const auto last = std::partition_point(first, row.end(),
                                           [&](const OpaqueRun& run) { return run.begin < to; });
    return {first, last};
}

bool Picture::Opaque(Box area) const {
    if (!Transparent()) return true;
    for (int y = area.t; y < area.b; ++y) {
        // Runs never touch, so a row covered whole is covered by one run.
        const auto runs = RunsOf(y, area.l, area.r);
        if (runs.size() != 1 || runs[0].begin > area.l || runs[0].end < area.r) return false;
    }
    return true;
}

}  // namespace tk
