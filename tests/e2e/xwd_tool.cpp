// xwd_tool.cpp -- reads X window dumps (xwd) and raw disk audio for the end-to-end tests.
//
//   xwd_tool png DUMP.xwd OUT.png     the dump as a PNG
//   xwd_tool pixel DUMP.xwd X Y...    prints the colour at each (X, Y) as #RRGGBB, one a line
//   xwd_tool peak AUDIO.raw           prints the largest |sample| of raw S16 little-endian audio
//   xwd_tool seek DUMP.xwd PICTURE.bmp X K
//                                     looks for a transparent picture of the game, enlarged K
//                                     times, with its left edge at screen column X: prints the
//                                     top row where most of it matches and the share of its
//                                     pixels (key colour left out) that match there, 0 .. 1
// Exits 1 with a message on stderr for a file it cannot read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/error.h"
#include "toolkit/raster/bitmap.h"
#include "toolkit/raster/picture.h"
#include "toolkit/raster/png_writer.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw tk::Error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Big32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

int ShiftOf(std::uint32_t mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

// A ZPixmap dump of a TrueColor screen (what Xvfb -screen 0 WxHx24 gives) as a bitmap.
tk::Bitmap DecodeXwd(const std::string& path) {
    auto bytes = ReadFile(path);
    if (bytes.size() < 100) throw tk::Error(path + ": too short for an xwd header");
    std::uint32_t h[25];
    for (int i = 0; i < 25; ++i)
        h[i] = Big32(bytes.data() + 4 * i);
    std::uint32_t headerSize = h[0], format = h[2], width = h[4], height = h[5];
    std::uint32_t byteOrder = h[7], bitsPerPixel = h[11], bytesPerLine = h[12];
    std::uint32_t redMask = h[14], greenMask = h[15], blueMask = h[16], ncolors = h[19];
    if (h[1] != 7 || format != 2) throw tk::Error(path + ": not a version 7 ZPixmap xwd dump");
    if (bitsPerPixel != 32 && bitsPerPixel != 24)
        throw tk::Error(path + ": unsupported " + std::to_string(bitsPerPixel) + " bits/pixel");
    std::uint64_t start = std::uint64_t(headerSize) + std::uint64_t(ncolors) * 12;
    if (start + std::uint64_t(bytesPerLine) * height > bytes.size() ||
        bytesPerLine < width * (bitsPerPixel / 8))
        throw tk::Error(path + ": truncated xwd dump");
    tk::Bitmap bitmap{int(width), int(height)};
    int bpp = int(bitsPerPixel / 8);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = bytes.data() + start + std::uint64_t(y) * bytesPerLine;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = row + x * bpp;
            std::uint32_t v = 0;
            for (int b = 0; b < bpp; ++b) {
                int shift = byteOrder == 0 ? 8 * b : 8 * (bpp - 1 - b);  // 0: LSB first
                v |= std::uint32_t(p[b]) << shift;
            }
            bitmap.At(int(x), int(y)) = tk::Rgb(int((v & redMask) >> ShiftOf(redMask)),
                                                int((v & greenMask) >> ShiftOf(greenMask)),
                                                int((v & blueMask) >> ShiftOf(blueMask)));
        }
    }
    return bitmap;
}

// The top row, in steps of k, at which the picture's opaque pixels (every other one each way)
// best match the screen; pixels off the screen count as misses.
void Seek(const tk::Bitmap& screen, const tk::Picture& picture, int left, int k) {
    const tk::Bitmap& pixels = picture.Pixels();
    long total = 0;
    for (int y = 0; y < pixels.height; y += 2)
        for (int x = 0; x < pixels.width; x += 2)
            total += pixels.At(x, y) != picture.KeyColor();
    int bestTop = 0;
    long best = -1;
    for (int top = -pixels.height * k; top < screen.height; top += k) {
        long matches = 0;
        for (int y = 0; y < pixels.height; y += 2) {
            for (int x = 0; x < pixels.width; x += 2) {
                tk::Color c = pixels.At(x, y);
                if (c == picture.KeyColor()) continue;
                int sx = left + x * k, sy = top + y * k;
                matches += screen.Contains(sx, sy) && screen.At(sx, sy) == c;
            }
        }
        if (matches > best) {
            best = matches;
            bestTop = top;
        }
    }
    std::printf("%d %.3f\n", bestTop, total ? double(best) / double(total) : 0.0);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: xwd_tool png DUMP OUT.png | pixel DUMP X Y... | peak AUDIO.raw | "
                 "seek DUMP PICTURE.bmp X K\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string command = argv[1];
    try {
        if (command == "png" && argc == 4) {
            tk::WritePng(argv[3], DecodeXwd(argv[2]));
        } else if (command == "pixel" && argc >= 5 && argc % 2 == 1) {
            // Several points from one decoding: a large screen's dump is slow to read.
            tk::Bitmap bitmap = DecodeXwd(argv[2]);
            for (int i = 3; i + 1 < argc; i += 2) {
                int x = std::atoi(argv[i]), y = std::atoi(argv[i + 1]);
                if (!bitmap.Contains(x, y)) throw tk::Error("point outside the screen");
                tk::Color c = bitmap.At(x, y);
                std::printf("#%02X%02X%02X\n", tk::RedOf(c), tk::GreenOf(c), tk::BlueOf(c));
            }
        } else if (command == "seek" && argc == 6) {
            int k = std::atoi(argv[5]);
            if (k < 1) throw tk::Error("the factor must be 1 or more");
            Seek(DecodeXwd(argv[2]), tk::Picture(argv[3], tk::PictureFormat::Bitmap, true),
                 std::atoi(argv[4]), k);
        } else if (command == "peak" && argc == 3) {
            auto bytes = ReadFile(argv[2]);
            int peak = 0;
            for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
                int s = std::int16_t(std::uint16_t(bytes[i] | bytes[i + 1] << 8));
                peak = std::max(peak, std::abs(s));
            }
            std::printf("%d\n", peak);
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "xwd_tool: %s\n", e.what());
        return 1;
    }
    return 0;
}
