// picture_convert_core.cpp -- thresholding and the PNG, JPEG and BMP file writers of the converter.
#include "picture_convert_core.h"

#include <png.h>

#include <jpeglib.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace vm::art {

Rgb RgbImage::At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

RgbImage ThresholdToKey(const RgbaImage& source, Rgb key) {
    RgbImage out{source.width, source.height, {}};
    out.rgb.resize(static_cast<std::size_t>(source.width) * source.height * 3);
    for (std::size_t p = 0; p < static_cast<std::size_t>(source.width) * source.height; ++p) {
        const std::uint8_t* in = &source.rgba[p * 4];
        Rgb c = key;
        if (in[3] >= 128) {
            c = {in[0], in[1], in[2]};
            if (c == key) c.b = key.b > 0 ? key.b - 1 : 1;
        }
        out.rgb[p * 3] = c.r;
        out.rgb[p * 3 + 1] = c.g;
        out.rgb[p * 3 + 2] = c.b;
    }
    if (out.width > 0 && out.height > 0) {
        const std::size_t bl = static_cast<std::size_t>(out.height - 1) * out.width * 3;
        out.rgb[bl] = key.r;
        out.rgb[bl + 1] = key.g;
        out.rgb[bl + 2] = key.b;
    }
    return out;
}

RgbImage FlattenOverBlack(const RgbaImage& source) {
    RgbImage out{source.width, source.height, {}};
    out.rgb.resize(static_cast<std::size_t>(source.width) * source.height * 3);
    for (std::size_t p = 0; p < static_cast<std::size_t>(source.width) * source.height; ++p) {
        const std::uint8_t* in = &source.rgba[p * 4];
        for (int c = 0; c < 3; ++c)
            out.rgb[p * 3 + c] = static_cast<std::uint8_t>(in[c] * in[3] / 255);
    }
    return out;
}

RgbaImage ReadPng(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw std::runtime_error(path + ": not a readable PNG: " + image.message);
    image.format = PNG_FORMAT_RGBA;
    RgbaImage out{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        throw std::runtime_error(path + ": broken PNG: " + message);
    }
    return out;
}

void WritePng(const std::string& path, const RgbImage& img) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(img.width);
    image.height = static_cast<png_uint_32>(img.height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, img.rgb.data(), 0, nullptr))
        throw std::runtime_error(path + ": cannot write PNG: " + image.message);
}

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForWriting(const std::string& path) {
    File f(std::fopen(path.c_str(), "wb"));
    if (!f) throw std::runtime_error(path + ": cannot open for writing");
    return f;
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
}  // namespace

void WriteJpeg(const std::string& path, const RgbImage& img, int quality) {
    File f = OpenForWriting(path);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f.get());
    cinfo.image_width = static_cast<JDIMENSION>(img.width);
    cinfo.image_height = static_cast<JDIMENSION>(img.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            &img.rgb[static_cast<std::size_t>(cinfo.next_scanline) * img.width * 3]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (std::ferror(f.get())) throw std::runtime_error(path + ": write failed");
}

void WriteBmp24(const std::string& path, const RgbImage& img) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(img.width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = stride * static_cast<std::uint32_t>(img.height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + pixels);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + pixels, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(img.width), 4);
    PutLe(out, static_cast<std::uint32_t>(img.height), 4);  // positive: rows bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, pixels, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.At(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(img.width) * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    File f = OpenForWriting(path);
    if (std::fwrite(out.data(), 1, out.size(), f.get()) != out.size())
        throw std::runtime_error(path + ": write failed");
}

}  // namespace vm::art
