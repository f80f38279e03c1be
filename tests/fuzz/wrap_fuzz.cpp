// wrap_fuzz.cpp -- libFuzzer target for word wrap of text box lines at any width and font size.
// Input: font size byte, two width bytes, then the text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "toolkit/raster/text_layout.h"

namespace {

std::string WithoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int points = 6 + data[0] % 20;
    const int width = (data[1] | data[2] << 8) % 1200;
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

    // The stored lines the wrap works on: split at LF, one trailing CR dropped.
    std::vector<std::string_view> stored;
    for (std::size_t pos = 0;;) {
        const std::size_t nl = text.find('\n', pos);
        std::string_view line = text.substr(pos, nl == std::string_view::npos ? nl : nl - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        stored.push_back(line);
        if (nl == std::string_view::npos) break;
        pos = nl + 1;
    }

    const std::vector<std::string> lines = tk::WrapText(text, points, width);
    fuzz::Check(lines.size() >= stored.size(), "fewer wrapped lines than stored lines");

    std::string shown, source;
    std::size_t shownLength = 0, sourceLength = 0;
    for (const std::string& line : lines) {
        fuzz::Check(line.find('\n') == std::string::npos, "a wrapped line holds a line break");
        // What shows (trailing spaces aside) fits the width, unless one character is all there
        // is room for.
        const std::size_t ink = line.find_last_not_of(' ');
        const std::string_view visible(line.data(), ink == std::string::npos ? 0 : ink + 1);
        fuzz::Check(tk::MeasureText(visible, points) <= width || line.size() == 1,
                    "a wrapped line is wider than the box");
        shown += WithoutSpaces(line);
        shownLength += line.size();
    }
    for (std::string_view line : stored) {
        source += WithoutSpaces(line);
        sourceLength += line.size();
    }
    fuzz::Check(shown == source, "wrapping lost, added or moved a character");
    // Only the one space at each break may go.
    fuzz::Check(
        shownLength <= sourceLength && sourceLength - shownLength <= lines.size() - stored.size(),
        "wrapping dropped more than the break spaces");

    // Reusing the buffers of an earlier, different wrap gives the same lines.
    static std::vector<std::string> reused;
    tk::WrapText(text, points, width, reused);
    fuzz::Check(reused == lines, "wrap into reused buffers differs");
    return 0;
}
