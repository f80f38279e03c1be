// make_corpus.cpp -- writes the small seed corpus of the fuzz targets: valid files of every kind
// the loaders take, a few near misses, and texts with every mix of line ends.
// Usage: fuzz-corpus <corpus dir>   (writes <dir>/<target>/<seed>)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>  // needs size_t and FILE first

namespace {

using Bytes = std::vector<std::uint8_t>;
std::filesystem::path root;

void Write(const std::string& target, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(root / target);
    std::ofstream out(root / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s/%s\n", target.c_str(), name.c_str());
        std::exit(1);
    }
}

Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

void Put16(Bytes& v, std::size_t at, std::uint32_t x) {
    v[at] = std::uint8_t(x);
    v[at + 1] = std::uint8_t(x >> 8);
}
void Put32(Bytes& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = std::uint8_t(x >> (8 * i));
}

// --- save files ---

void SaveSeeds() {
    auto save = [](int level, int flask, const std::string& eol, const std::string& tail) {
        std::string s = "Recalc" + eol + std::to_string(level) + eol + std::to_string(flask) + eol;
        for (int k = 0; k < 30; ++k)
            s += std::to_string((k * 7 + level) % 3 == 0 ? 1 : 0) + eol;
        return Text(s + tail);
    };
    Write("save", "valid_crlf.txt", save(4, 17, "\r\n", ""));
    Write("save", "valid_lf_extra_lines.txt", save(11, 80, "\n", "left over\nlines\n"));
    // Every integer form the loader takes, with CR alone ending the lines.
    const char* flags[] = {"-0", "$1", "0x0", " 1", "+0", "0X1", "$0", "00001"};
    std::string forms = "Recalc\r$B\r  +0x0A\r";
    for (int k = 0; k < 30; ++k)
        forms += std::string(flags[k % 8]) + "\r";
    Write("save", "hex_and_signs.txt", Text(forms));
    Write("save", "level_out_of_range.txt", save(12, 0, "\r\n", ""));
    Write("save", "short.txt", Text("Recalc\r\n3\r\n9\r\n1\r\n"));
}

// --- bitmaps ---

Bytes Bmp(int w, int h, int bits, bool topDown, int compression) {
    const std::size_t bpp = std::size_t(bits / 8);
    const std::size_t stride = (std::size_t(w) * bpp + 3) & ~std::size_t(3);
    Bytes v(54 + stride * std::size_t(h));
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, std::uint32_t(v.size()));
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, std::uint32_t(w));
    Put32(v, 22, std::uint32_t(topDown ? -h : h));
    Put16(v, 26, 1);
    Put16(v, 28, std::uint32_t(bits));
    Put32(v, 30, std::uint32_t(compression));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &v[54 + std::size_t(y) * stride + std::size_t(x) * bpp];
            p[0] = std::uint8_t(40 * x);
            p[1] = std::uint8_t(60 * y);
            p[2] = std::uint8_t(255 - 20 * (x + y));
        }
    return v;
}

void BmpSeeds() {
    Write("bmp", "1x1_24bit.bmp", Bmp(1, 1, 24, false, 0));
    Write("bmp", "3x2_24bit_padded_rows.bmp", Bmp(3, 2, 24, false, 0));
    Write("bmp", "2x3_32bit_top_down_bitfields.bmp", Bmp(2, 3, 32, true, 3));
    Bytes cut = Bmp(5, 4, 24, false, 0);
    cut.resize(cut.size() - 7);
    Write("bmp", "5x4_truncated.bmp", cut);
}

// --- JPEGs ---

Bytes Jpeg(int w, int h, int components, bool progressive, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &mem, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(w) * std::size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < components; ++c)
                row[std::size_t(x * components + c)] = JSAMPLE((x * 37 + y * 23 + c * 80) & 255);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(mem, mem + size);
    jpeg_destroy_compress(&cinfo);
    std::free(mem);
    return out;
}

void JpegSeeds() {
    Write("jpeg", "8x8_baseline.jpg", Jpeg(8, 8, 3, false, 75));
    Write("jpeg", "17x9_odd_size.jpg", Jpeg(17, 9, 3, false, 50));
    Write("jpeg", "16x16_progressive.jpg", Jpeg(16, 16, 3, true, 75));
    Write("jpeg", "8x8_grey.jpg", Jpeg(8, 8, 1, false, 90));
    Bytes cut = Jpeg(24, 16, 3, false, 75);
    cut.resize(cut.size() / 2);
    Write("jpeg", "24x16_truncated.jpg", cut);
    // A second start marker inside the scan: a fatal error halfway through the rows.
    Bytes twice = Jpeg(17, 9, 3, false, 50);
    std::size_t sos = 0;
    while (!(twice[sos] == 0xFF && twice[sos + 1] == 0xDA))
        ++sos;
    const std::size_t scan = sos + 2 + (std::size_t(twice[sos + 2]) << 8 | twice[sos + 3]);
    twice.insert(twice.begin() + std::ptrdiff_t(scan + 4), {0xFF, 0xD8});
    Write("jpeg", "17x9_second_start_marker.jpg", twice);
}

// --- sounds ---

Bytes Wav(int tag, int channels, int rate, int bits, int frames, bool extensible, bool listChunk) {
    const int block = channels * bits / 8;
    const std::uint32_t fmtSize = extensible ? 40 : 16;
    Bytes fmt(8 + fmtSize);
    std::copy_n("fmt ", 4, fmt.begin());
    Put32(fmt, 4, fmtSize);
    Put16(fmt, 8, extensible ? 0xFFFE : std::uint32_t(tag));
    Put16(fmt, 10, std::uint32_t(channels));
    Put32(fmt, 12, std::uint32_t(rate));
    Put32(fmt, 16, std::uint32_t(rate * block));
    Put16(fmt, 20, std::uint32_t(block));
    Put16(fmt, 22, std::uint32_t(bits));
    if (extensible) {
        Put16(fmt, 24, 22);
        Put16(fmt, 26, std::uint32_t(bits));
        Put16(fmt, 32, std::uint32_t(tag));  // first two bytes of the sub-format id
    }
    Bytes body(fmt);
    if (listChunk) {
        // An odd-sized chunk the loader skips, with its pad byte.
        Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
        body.insert(body.end(), list.begin(), list.end());
    }
    Bytes data(8 + std::size_t(frames * block));
    std::copy_n("data", 4, data.begin());
    Put32(data, 4, std::uint32_t(frames * block));
    for (int i = 0; i < frames * block; ++i)
        data[8 + std::size_t(i)] = std::uint8_t((i * 29) & 255);
    body.insert(body.end(), data.begin(), data.end());
    Bytes v(12);
    std::copy_n("RIFF", 4, v.begin());
    Put32(v, 4, std::uint32_t(4 + body.size()));
    std::copy_n("WAVE", 4, v.begin() + 8);
    v.insert(v.end(), body.begin(), body.end());
    return v;
}

void WavSeeds() {
    Write("wav", "mono_8bit_11025.wav", Wav(1, 1, 11025, 8, 12, false, false));
    Write("wav", "stereo_16bit_44100.wav", Wav(1, 2, 44100, 16, 6, false, false));
    Write("wav", "extensible_list_chunk.wav", Wav(1, 2, 22050, 16, 5, true, true));
    Write("wav", "not_pcm.wav", Wav(3, 1, 8000, 16, 4, false, false));
}

// --- texts (first bytes: font size, then the width as two bytes) ---

Bytes Wrapped(int points, int width, const std::string& text) {
    Bytes v = {std::uint8_t(points - 6), std::uint8_t(width & 255), std::uint8_t(width >> 8)};
    v.insert(v.end(), text.begin(), text.end());
    return v;
}

const char* kBriefing =
    "The bridge at the ford has fallen to the enemy.\r\n"
    "Hold the tower until the moon turns red.\r\n\r\n"
    "Cards that burn the enemy tower are worth more here.\r\n";

void TextSeeds() {
    Write("wrap", "briefing_crlf.txt", Wrapped(8, 220, kBriefing));
    Write("wrap", "mixed_line_ends.txt",
          Wrapped(10, 120, "one\rtwo\nthree\r\n\n\rfour\r\r\nfive   six    seven"));
    Write("wrap", "long_word_narrow.txt",
          Wrapped(12, 30, "Unbreakablewordthatisfarwiderthanthebox and then   spaces  "));
    Write("wrap", "latin1_and_controls.txt",
          Wrapped(8, 90,
                  "Caf\xe9 \xabm\xea"
                  "l\xe9"
                  "e\xbb\ttab\x01\x7f \xff end"));
    Write("wrap", "zero_width.txt", Wrapped(9, 0, "a b\n c"));
}

// Text box input: flags (bit 0 word wrap, bit 1 scroll bar, then left and top), width / 3 and
// height beyond the box's frame, font size, scroll target, then the file.
Bytes Boxed(int flags, int width, int height, int points, int scroll, const std::string& text) {
    Bytes v = {std::uint8_t(flags), std::uint8_t(width / 3), std::uint8_t(height),
               std::uint8_t(points - 6), std::uint8_t(scroll)};
    v.insert(v.end(), text.begin(), text.end());
    return v;
}

void MemoSeeds() {
    Write("memo", "briefing_wrapped.txt", Boxed(1, 240, 120, 8, 30, kBriefing));
    Write("memo", "mixed_line_ends_unwrapped.txt",
          Boxed(0, 150, 60, 10, 0, "one\rtwo\nthree\r\n\n\rfour\r\r\nfive"));
    std::string help;
    for (int i = 1; i <= 30; ++i)
        help += "Topic line " + std::to_string(i) + " tells how the moon turns the enemy.\r\n";
    Write("memo", "help_scrolled.txt", Boxed(1 | 2 | (3 << 2), 300, 90, 9, 200, help));
    Write("memo", "empty.txt", Boxed(3, 100, 40, 8, 128, ""));
    Write("memo", "latin1_narrow.txt",
          Boxed(1, 12, 30, 12, 255,
                "Caf\xe9 \xabm\xea"
                "l\xe9"
                "e\xbb\ttab\x01 \xff end"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
        return 2;
    }
    root = argv[1];
    SaveSeeds();
    BmpSeeds();
    JpegSeeds();
    WavSeeds();
    TextSeeds();
    MemoSeeds();
    return 0;
}
