// card_tooltip.cpp -- reading, laying out and drawing a card's description.
#include "screens/map/card_tooltip.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "toolkit/raster/text_layout.h"

namespace vm {

namespace {

constexpr int kWrapWidth = 225;
constexpr int kWrapPoints = 8;
constexpr int kLinesShown = 13;
constexpr std::size_t kMostBytesShown = 64 * 1024;
constexpr int kTextPoints = 11;
constexpr tk::Color kBorder = tk::Rgb(0xC0, 0xC0, 0xC0);
constexpr tk::Color kPanel = tk::Rgb(0, 0, 0);
constexpr tk::Color kTextColour = tk::Rgb(0xFF, 0xFF, 0x00);

}  // namespace

bool CardDescriptions::ReadFile(const char* name) {
    // Non-blocking, and only a regular file: whatever took the file's place since it was looked
    // at cannot hang the tick.
    const int fd = ::open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ++fileReads_;
    text_.clear();
    char chunk[4096];
    ssize_t got = 0;
    bool ok = true;
    // Thirteen lines of a 225-pixel box come from the start of the file: a huge file is read
    // only as far as they could reach, so it cannot stall the tick.
    while (text_.size() < kMostBytesShown) {
        got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        text_.append(chunk, std::size_t(got));
    }
    ::close(fd);
    // A lone CR ends a line too, as in the game's text boxes.
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n')) text_[i] = '\n';
    }
    return ok;
}

void CardDescriptions::Failed(Entry& entry, const char* name) {
    entry.loaded = false;
    if (entry.reported) return;
    entry.reported = true;
    if (report_) report_(std::string("Cannot open file ") + name);
}

const std::vector<std::string>* CardDescriptions::Lines(int card) {
    if (card < 1 || card > 70) return nullptr;
    Entry& entry = entries_[std::size_t(card)];
    char name[16];
    std::snprintf(name, sizeof name, "zc%d.txt", card);

    struct stat info {};
    if (::stat(name, &info) != 0 || !S_ISREG(info.st_mode)) {
        Failed(entry, name);
        return nullptr;
    }
    const Version now{std::int64_t(info.st_size), std::int64_t(info.st_mtim.tv_sec),
                      std::int64_t(info.st_mtim.tv_nsec), std::int64_t(info.st_ino)};
    if (entry.loaded && entry.version == now) return &entry.lines;
    if (!ReadFile(name)) {
        Failed(entry, name);
        return nullptr;
    }
    tk::WrapText(text_, kWrapPoints, kWrapWidth, entry.lines);
    entry.loaded = true;
    entry.reported = false;
    entry.version = now;
    return &entry.lines;
}

void DrawCardTooltip(const MapView& v, int card, CardDescriptions& descriptions) {
    const GameState& s = v.state;
    if (card <= 0 || s.PlayerMoveTicks != 0) return;
    // An unreadable file still shows the panel, without text, and the tick goes on.
    const std::vector<std::string>* lines = descriptions.Lines(card);
    const int x = s.MouseX, y = s.MouseY;
    v.canvas.SetPenColor(kBorder);
    v.Rows(x - 2, x + 286, y - 1, y + 202);
    v.canvas.SetPenColor(kPanel);
    v.Rows(x - 1, x + 285, y, y + 201);
    v.canvas.SetTextOpaque(false);
    for (int i = 0; i < kLinesShown; ++i) {
        v.canvas.SetFontColor(kTextColour);
        v.canvas.SetFontSize(kTextPoints);
        if (lines && i < int(lines->size())) {
            v.canvas.TextOut(x + 1, y + 12 + 14 * i, (*lines)[std::size_t(i)]);
        }
    }
}

}  // namespace vm
