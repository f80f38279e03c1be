// screen_fixture.cpp -- the scratch game folder, screen start-up and picture comparisons.
#include "screen_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "script/game_driver.h"

namespace vm::testing {

namespace fs = std::filesystem;

namespace {
struct ScratchFolder {
    fs::path dir, previous = fs::current_path();
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "vellmoor-level-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        dir = pattern;
        // The texts are copied, since tests rewrite them; pictures, sounds and font are linked.
        for (const fs::directory_entry& e : fs::directory_iterator(VELLMOOR_GAME_DIR)) {
            if (e.path().extension() == ".txt")
                fs::copy_file(e.path(), dir / e.path().filename());
            else
                fs::create_symlink(e.path(), dir / e.path().filename());
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::current_path(previous, ignored);
        fs::remove_all(dir, ignored);
    }
};
}  // namespace

void ScreenTest::SetUp() {
    static ScratchFolder folder;
    fs::current_path(folder.dir);
    fs::remove_all("zcxa1.txt");
    for (int n = 1; n <= 30; ++n) {
        for (const std::string& name : {"lv" + std::to_string(n), "ach" + std::to_string(n)}) {
            const fs::path shipped = fs::path(VELLMOOR_GAME_DIR) / (name + ".txt");
            fs::remove_all(name + ".txt");
            if (fs::exists(shipped)) fs::copy_file(shipped, name + ".txt");
        }
    }
    driver = std::make_unique<GameDriver>(43200000, kWidth, kHeight);
}

void ScreenTest::TearDown() {
    driver.reset();
}

void ScreenTest::StartScreen(ScreenForm& form) {
    driver->FormNamed("Form1").Hide();
    form.Show();
    form.Timer1.SetEnabled(true);
    Ticks(form, 1);
}

void ScreenTest::WriteFile(const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ScreenTest::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ScreenTest::FileLines(const std::string& name) {
    std::string data = ReadFile(name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\r' && data[i] != '\n') continue;
        lines.push_back(data.substr(start, i - start));
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < data.size()) lines.push_back(data.substr(start));
    return lines;
}

::testing::AssertionResult ShowsPicture(const tk::Bitmap& frame, int x, int y,
                                        std::string_view name, int px0, int py0, int w, int h) {
    const tk::Picture& picture = Assets().Get(name);
    const tk::Bitmap& pixels = picture.Pixels();
    int checked = 0;
    for (int py = py0; py < std::min(py0 + h, pixels.height); ++py) {
        for (int px = px0; px < std::min(px0 + w, pixels.width); ++px) {
            const tk::Color want = pixels.At(px, py);
            if (picture.Transparent() && want == picture.KeyColor()) continue;
            if (!frame.Contains(x + px, y + py)) continue;
            if (frame.At(x + px, y + py) != want)
                return ::testing::AssertionFailure()
                       << name << " at (" << x << ", " << y << "): its pixel (" << px << ", " << py
                       << ") shows " << std::hex << frame.At(x + px, y + py) << " instead of "
                       << want;
            ++checked;
        }
    }
    if (checked == 0) return ::testing::AssertionFailure() << name << " lies outside the frame";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameRect(const tk::Bitmap& frame, const tk::Bitmap& expected, int l,
                                    int t, int r, int b) {
    r = std::min({r, frame.width, expected.width});
    b = std::min({b, frame.height, expected.height});
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            if (frame.At(x, y) != expected.At(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << frame.At(x, y)
                       << " instead of " << expected.At(x, y);
    return ::testing::AssertionSuccess();
}

}  // namespace vm::testing
