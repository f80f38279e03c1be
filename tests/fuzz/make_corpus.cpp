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
    // Once drawn with red and blue swapped: masks other than the usual ones.
    Bytes swapped = Bmp(2, 2, 32, false, 3);
    swapped.insert(swapped.begin() + 54, 12, 0);
    Put32(swapped, 10, 66);
    Put32(swapped, 54, 0xFF);
    Put32(swapped, 58, 0xFF00);
    Put32(swapped, 62, 0xFF0000);
    Put32(swapped, 2, std::uint32_t(swapped.size()));
    Write("bmp", "2x2_32bit_swapped_masks.bmp", swapped);
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
    // The decoder's seeds are the start-up check's too.
    const auto Write = [](const std::string&, const std::string& name, const Bytes& bytes) {
        ::Write("jpeg", name, bytes);
        ::Write("jpeg_check", name, bytes);
    };
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
    // Once played as silence without a word.
    Write("wav", "empty_data.wav", Wav(1, 1, 44100, 16, 0, false, false));
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

// --- the briefings and achievement texts, and the card descriptions (card byte first) ---

void TickTextSeeds() {
    Write("text", "briefing_crlf.txt", Text(kBriefing));
    Write("text", "cr_only_no_last_end.txt", Text("Hold\rthe\r\rford"));
    Write("text", "empty.txt", Text(""));
    Write("text", "nul_and_latin1.txt", Bytes{'a', 0, 'b', '\n', 0xE9, 0xFF, '\r', '\n', '\n'});
    Bytes card = {7};
    const std::string description = "Bloodline\r\n\r\nYour tower +4. Enemy tower -2.\r\n";
    card.insert(card.end(), description.begin(), description.end());
    Write("card_text", "card7_crlf.txt", card);
    Write("card_text", "card70_long_word.txt",
          Text("\x45Unbreakablewordthatisfarwiderthanthetooltipbox and\rthen   spaces  "));
    Write("card_text", "card1_empty.txt", Bytes{0});
}

// --- saves: Level, Flask, four bytes of flags, the fault, the byte the write stops after ---

Bytes SaveCase(int level, int flask, std::uint32_t flags, int fault, int cut) {
    Bytes v(9);
    v[0] = std::uint8_t(level);
    v[1] = std::uint8_t(flask);
    Put32(v, 2, flags);
    v[6] = std::uint8_t(fault);
    Put16(v, 7, std::uint32_t(cut));
    return v;
}

void SaveRoundTripSeeds() {
    const std::uint32_t someFlags = 0x2AAA5555u & 0x3FFFFFFFu;
    enum { None, Write_, Sync, Rename, InPlace = 4 };
    Write("save_round_trip", "whole.bin", SaveCase(4, 17, someFlags, None, 0));
    Write("save_round_trip", "cut_at_first_byte.bin", SaveCase(11, 80, someFlags, Write_, 0));
    Write("save_round_trip", "cut_midway.bin", SaveCase(1, 0, 0, Write_, 50));
    Write("save_round_trip", "sync_fails.bin", SaveCase(6, 40, someFlags, Sync, 0));
    Write("save_round_trip", "rename_fails.bin", SaveCase(9, 3, 0x3FFFFFFF, Rename, 0));
    Write("save_round_trip", "in_place_cut_midway.bin",
          SaveCase(2, 5, someFlags, InPlace | Write_, 60));
    Write("save_round_trip", "in_place_sync_fails.bin", SaveCase(3, 7, 0, InPlace | Sync, 0));
    Write("save_round_trip", "level_12.bin", SaveCase(12, 0, 0, None, 0));
    Write("save_round_trip", "flag_of_three.bin", SaveCase(5, 5, 0xC0000000u | 7, Write_, 20));
}

// --- a face: the smallest TrueType file the font loader takes, two outlined glyphs ---

void Put16BE(Bytes& v, std::uint32_t x) {
    v.push_back(std::uint8_t(x >> 8));
    v.push_back(std::uint8_t(x));
}
void Put32BE(Bytes& v, std::uint32_t x) {
    Put16BE(v, x >> 16);
    Put16BE(v, x & 0xFFFF);
}

// A simple glyph: its contours' points, all on the curve, as 16-bit deltas.
Bytes Outline(const std::vector<std::vector<std::pair<int, int>>>& contours) {
    Bytes g;
    int xMin = 1 << 20, yMin = 1 << 20, xMax = -xMin, yMax = -yMin, points = 0;
    for (const auto& c : contours)
        for (auto [x, y] : c) {
            xMin = std::min(xMin, x), yMin = std::min(yMin, y);
            xMax = std::max(xMax, x), yMax = std::max(yMax, y);
        }
    Put16BE(g, std::uint32_t(contours.size()));
    for (int v : {xMin, yMin, xMax, yMax})
        Put16BE(g, std::uint32_t(v) & 0xFFFF);
    for (const auto& c : contours) {
        points += int(c.size());
        Put16BE(g, std::uint32_t(points - 1));
    }
    Put16BE(g, 0);  // no instructions
    g.insert(g.end(), std::size_t(points), 0x01);
    for (int axis = 0; axis < 2; ++axis) {
        int last = 0;
        for (const auto& c : contours)
            for (auto p : c) {
                const int v = axis == 0 ? p.first : p.second;
                Put16BE(g, std::uint32_t(v - last) & 0xFFFF);
                last = v;
            }
    }
    if (g.size() % 2) g.push_back(0);
    return g;
}

Bytes Face() {
    const Bytes box = Outline({{{100, 0}, {100, 700}, {500, 700}, {500, 0}},
                               {{200, 100}, {400, 100}, {400, 600}, {200, 600}}});
    const Bytes peak = Outline({{{50, 0}, {300, 700}, {550, 0}}});
    const int glyphs = 3;  // .notdef (empty), box, peak
    Bytes glyf = box;
    glyf.insert(glyf.end(), peak.begin(), peak.end());
    Bytes loca;
    for (std::size_t at : {std::size_t(0), std::size_t(0), box.size(), glyf.size()})
        Put16BE(loca, std::uint32_t(at / 2));
    Bytes head;
    for (std::uint32_t x : {0x00010000u, 0x00010000u, 0u, 0x5F0F3CF5u})
        Put32BE(head, x);
    Put16BE(head, 0x000B);  // flags
    Put16BE(head, 1000);    // units per em
    for (int i = 0; i < 4; ++i)
        Put32BE(head, 0);                          // created, modified
    for (int v : {0, 0, 600, 700, 0, 8, 2, 0, 0})  // box, style, smallest size, hint, short loca
        Put16BE(head, std::uint32_t(v) & 0xFFFF);
    Bytes hhea;
    Put32BE(hhea, 0x00010000);
    for (int v : {800, -200, 0, 600, 0, 0, 600, 1, 0, 0, 0, 0, 0, 0, 0, glyphs})
        Put16BE(hhea, std::uint32_t(v) & 0xFFFF);
    Bytes maxp;
    Put32BE(maxp, 0x00010000);
    for (int v : {glyphs, 8, 2, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0})
        Put16BE(maxp, std::uint32_t(v));
    Bytes hmtx;
    for (int g = 0; g < glyphs; ++g) {
        Put16BE(hmtx, 600);
        Put16BE(hmtx, g == 2 ? 50 : 100);
    }
    // cmap: Windows Unicode, format 4; A and a are the box, B and b the peak.
    Bytes cmap;
    for (int v : {0, 1, 3, 1})
        Put16BE(cmap, std::uint32_t(v));
    Put32BE(cmap, 12);
    const std::uint32_t starts[] = {0x41, 0x61, 0xFFFF}, ends[] = {0x42, 0x62, 0xFFFF};
    const int deltas[] = {1 - 0x41, 1 - 0x61, 1};
    Bytes sub;
    for (int v : {4, 16 + 8 * 3, 0, 6, 4, 1, 2})
        Put16BE(sub, std::uint32_t(v));
    for (std::uint32_t e : ends)
        Put16BE(sub, e);
    Put16BE(sub, 0);
    for (std::uint32_t st : starts)
        Put16BE(sub, st);
    for (int d : deltas)
        Put16BE(sub, std::uint32_t(d) & 0xFFFF);
    for (int i = 0; i < 3; ++i)
        Put16BE(sub, 0);
    cmap.insert(cmap.end(), sub.begin(), sub.end());

    const std::vector<std::pair<const char*, const Bytes*>> tables = {
        {"cmap", &cmap}, {"glyf", &glyf}, {"head", &head}, {"hhea", &hhea},
        {"hmtx", &hmtx}, {"loca", &loca}, {"maxp", &maxp}};
    Bytes font;
    Put32BE(font, 0x00010000);
    for (int v : {int(tables.size()), 64, 2, 16 * int(tables.size()) - 64})
        Put16BE(font, std::uint32_t(v));
    std::size_t offset = 12 + 16 * tables.size();
    Bytes bodies;
    for (auto [tag, table] : tables) {
        Bytes padded = *table;
        padded.resize((padded.size() + 3) & ~std::size_t(3), 0);
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i < padded.size(); i += 4)
            sum += std::uint32_t(padded[i]) << 24 | padded[i + 1] << 16 | padded[i + 2] << 8 |
                   padded[i + 3];
        font.insert(font.end(), tag, tag + 4);
        Put32BE(font, sum);
        Put32BE(font, std::uint32_t(offset + bodies.size()));
        Put32BE(font, std::uint32_t(table->size()));
        bodies.insert(bodies.end(), padded.begin(), padded.end());
    }
    font.insert(font.end(), bodies.begin(), bodies.end());
    return font;
}

void FontSeeds() {
    // First byte: the size in points less one.
    Bytes face = {10};
    const Bytes body = Face();
    face.insert(face.end(), body.begin(), body.end());
    Write("font", "two_glyphs_11pt.ttf", face);
    face[0] = 47;
    Write("font", "two_glyphs_48pt.ttf", face);
    face.resize(face.size() / 2);
    Write("font", "cut_in_half.ttf", face);
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
    TickTextSeeds();
    SaveRoundTripSeeds();
    FontSeeds();
    return 0;
}
