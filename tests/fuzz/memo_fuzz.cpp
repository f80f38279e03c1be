// memo_fuzz.cpp -- libFuzzer target for text files shown in a text box, with and without word
// wrap: any bytes load as lines, wrap within the box, scroll within bounds and paint inside it.
// Input: flags, width, height, font size, scroll target, then the file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/host/headless_host.h"
#include "toolkit/raster/canvas.h"
#include "toolkit/raster/text_layout.h"
#include "toolkit/ui/application.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/memo.h"

namespace {

std::string WithoutSpaces(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

struct Box {
    tk::Application app{std::make_unique<tk::HeadlessHost>()};
    tk::Form form{app, "Form1", tk::WindowSpec{}};
    tk::Memo& memo = form.Add<tk::Memo>("Memo1");
};

constexpr int kSurfaceWidth = 640, kSurfaceHeight = 300;
constexpr tk::Color kOutside = 0x123456;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    static fuzz::InputFile file("vellmoor-text");
    static Box box;
    tk::Memo& memo = box.memo;

    const bool wrap = data[0] & 1;
    memo.wordWrap = wrap;
    memo.scrollBar = data[0] & 2;
    // Any box that holds its own frame (and scroll bar); its size is the program's, the file is
    // what comes from outside.
    const int bar = memo.scrollBar ? tk::Memo::kBarWidth : 0;
    memo.SetBounds((data[0] >> 2) & 7, (data[0] >> 5) & 7, 8 + bar + data[1] * 3,
                   4 + 2 * bar + data[2]);
    memo.fontSize = 6 + data[3] % 20;
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    const std::string& path = file.Write(data + 5, size - 5);
    try {
        memo.LoadFromFile(path);
    } catch (const tk::Error&) {
        fuzz::Broken("a readable text file was refused");
    }
    fuzz::Check(memo.Lines() == fuzz::TextLines(text), "lines differ from the line rule");
    fuzz::Check(memo.Line(memo.Count()).empty() && memo.Line(-1).empty(),
                "reading past the lines is not an empty line");

    const std::vector<std::string>& shown = memo.DisplayedLines();
    if (!wrap) {
        fuzz::Check(shown == memo.Lines(), "without word wrap the box shows other lines");
    } else {
        const int inner = std::max(1, memo.width - 8 - (memo.scrollBar ? tk::Memo::kBarWidth : 0));
        std::string shownInk, storedInk;
        for (const std::string& line : shown) {
            const std::size_t ink = line.find_last_not_of(' ');
            const std::string_view visible(line.data(), ink == std::string::npos ? 0 : ink + 1);
            fuzz::Check(tk::MeasureText(visible, memo.fontSize) <= inner || line.size() == 1,
                        "a wrapped line is wider than the box");
            shownInk += WithoutSpaces(line);
        }
        for (const std::string& line : memo.Lines())
            storedInk += WithoutSpaces(line);
        fuzz::Check(shown.size() >= memo.Lines().size(), "wrapping lost a line");
        fuzz::Check(shownInk == storedInk, "wrapping lost, added or moved a character");
    }

    const int last = std::max(0, int(shown.size()) - memo.VisibleLineCount());
    memo.ScrollTo(int(data[4]) * 4 - 100);
    fuzz::Check(memo.TopLine() >= 0 && memo.TopLine() <= last, "scrolled outside the lines");
    // Clicks down the scroll bar and a drag of its thumb stay within the lines too.
    const int barX = memo.left + memo.width - 3;
    for (int y = memo.top; y < memo.top + memo.height; y += 5) {
        memo.MouseDown(barX, y);
        memo.MouseMove(barX, y + int(data[4]) - 128);
        memo.MouseUp(barX, y, true);
        fuzz::Check(memo.TopLine() >= 0 && memo.TopLine() <= last, "the scroll bar left the lines");
    }

    // Painting stays inside the box, however the text is. Compared a row piece at a time: most
    // of the work of a run would otherwise go to looking at single pixels.
    static tk::Bitmap surface(kSurfaceWidth, kSurfaceHeight);
    static const std::vector<tk::Color> untouched(kSurfaceWidth, kOutside);
    std::fill(surface.pixels.begin(), surface.pixels.end(), kOutside);
    tk::Canvas canvas(surface);
    memo.Paint(canvas);
    const int boxLeft = std::clamp(memo.left, 0, kSurfaceWidth);
    const int boxRight = std::clamp(memo.left + memo.width, 0, kSurfaceWidth);
    for (int y = 0; y < kSurfaceHeight; ++y) {
        const tk::Color* row = &surface.pixels[std::size_t(y) * kSurfaceWidth];
        const bool besideBox = y >= memo.top && y < memo.top + memo.height;
        const auto same = [&](int from, int to) {
            return std::memcmp(row + from, untouched.data(), sizeof(tk::Color) * (to - from)) == 0;
        };
        const bool clean =
            besideBox ? same(0, boxLeft) && same(boxRight, kSurfaceWidth) : same(0, kSurfaceWidth);
        if (!clean) {
            std::fprintf(stderr, "row %d painted outside the box %d,%d %dx%d\n", y, memo.left,
                         memo.top, memo.width, memo.height);
            fuzz::Broken("the text box painted outside itself");
        }
    }
    return 0;
}
