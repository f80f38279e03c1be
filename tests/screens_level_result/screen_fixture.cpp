// screen_fixture.cpp -- the scratch game folder, screen start-up and picture comparisons.
#include "screen_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/game_app.h"
#include "state/save_game.h"

namespace vm::testing {

namespace fs = std::filesystem;

namespace {
// One copy per test program, removed at its end.
struct ScratchFolder {
    fs::path dir;
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "vellmoor-level-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        dir = pattern;
        fs::copy(VELLMOOR_GAME_DIR, dir, fs::copy_options::recursive);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

const fs::path& Scratch() {
    static ScratchFolder folder;
    return folder.dir;
}
}  // namespace

void ScreenTest::SetUp() {
    previous_ = fs::current_path();
    fs::current_path(Scratch());
    fs::remove_all(kSaveFileName);
    // Tests rewrite and remove the briefings and descriptions; each starts with the shipped ones.
    for (int n = 1; n <= 30; ++n) {
        for (const std::string& name :
             {"lv" + std::to_string(n) + ".txt", "ach" + std::to_string(n) + ".txt"}) {
            const fs::path shipped = fs::path(VELLMOOR_GAME_DIR) / name;
            if (fs::exists(shipped))
                fs::copy_file(shipped, name, fs::copy_options::overwrite_existing);
        }
    }
    driver = std::make_unique<GameDriver>(43200000, kWidth, kHeight);
}

void ScreenTest::TearDown() {
    driver.reset();
    fs::current_path(previous_);
}

void ScreenTest::StartScreen(ScreenForm& form) {
    driver->FormNamed("Form1").Hide();
    form.Show();
    form.Timer1.SetEnabled(true);
    driver->Wait(form.Timer1.Interval());
}

void ScreenTest::Ticks(ScreenForm& form, int ticks) {
    driver->Wait(std::int64_t{form.Timer1.Interval()} * ticks);
}

const tk::Bitmap& ScreenTest::PixelsOf(std::string_view picture) {
    return Assets().Get(picture).Pixels();
}

void ScreenTest::WriteFile(const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ScreenTest::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ScreenTest::FileLines(const std::string& name) {
    const std::string data = ReadFile(name);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\r' || data[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            line += data[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

::testing::AssertionResult ShowsPicture(const tk::Bitmap& frame, int x, int y,
                                        std::string_view name) {
    const tk::Bitmap& pixels = Assets().Get(name).Pixels();
    return ShowsPart(frame, x, y, name, 0, 0, pixels.width, pixels.height);
}

::testing::AssertionResult ShowsPart(const tk::Bitmap& frame, int x, int y, std::string_view name,
                                     int left, int top, int w, int h) {
    const tk::Picture& picture = Assets().Get(name);
    const tk::Bitmap& pixels = picture.Pixels();
    int checked = 0;
    for (int py = top; py < top + h; ++py) {
        for (int px = left; px < left + w; ++px) {
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
