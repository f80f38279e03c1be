// picture_convert_main.cpp -- command line: rendered PNG in, shipped JPEG or key-coloured BMP out.
//
//   picture_convert IN.png OUT WIDTH HEIGHT (jpeg | bmp RRGGBB) [PREVIEW.png]
//
// The rendered PNG must already have the exact size; a mismatch is an error, never a stretch.
// The optional preview is the shipped pixels as PNG, for the contact sheet.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

#include "picture_convert_core.h"

namespace {

vm::art::Rgb ParseKey(const std::string& hex) {
    if (hex.size() != 6) throw std::runtime_error("key colour must be RRGGBB, got " + hex);
    const unsigned long v = std::stoul(hex, nullptr, 16);
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v)};
}

int Run(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: %s IN.png OUT WIDTH HEIGHT (jpeg | bmp RRGGBB) [PREVIEW.png]\n",
                     argv[0]);
        return 2;
    }
    const std::string in = argv[1], out = argv[2], format = argv[5];
    const int width = std::atoi(argv[3]), height = std::atoi(argv[4]);
    const vm::art::RgbaImage source = vm::art::ReadPng(in);
    if (source.width != width || source.height != height)
        throw std::runtime_error(in + ": rendered " + std::to_string(source.width) + "x" +
                                 std::to_string(source.height) + ", expected " +
                                 std::to_string(width) + "x" + std::to_string(height));
    vm::art::RgbImage result;
    int next = 6;
    if (format == "jpeg") {
        result = vm::art::FlattenOverBlack(source);
        vm::art::WriteJpeg(out, result, 90);
    } else if (format == "bmp" && argc >= 7) {
        result = vm::art::ThresholdToKey(source, ParseKey(argv[6]));
        vm::art::WriteBmp24(out, result);
        next = 7;
    } else {
        throw std::runtime_error("unknown format " + format);
    }
    if (argc > next) vm::art::WritePng(argv[next], result);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "picture_convert: %s\n", e.what());
        return 1;
    }
}
