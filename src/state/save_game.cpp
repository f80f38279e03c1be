// save_game.cpp -- writing and reading the save file "zcxa1.txt".
#include "state/save_game.h"

#include "state/game_error.h"
#include "state/save_writer.h"
#include "toolkit/files/regular_file.h"

namespace vm {
namespace {

// A line of the file as the report shows it: control bytes (a NUL would cut the message short)
// written as \xNN, and a long line cut after 40 characters.
std::string Printable(std::string_view line) {
    constexpr std::size_t kShown = 40;
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < line.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 32 || c == 127) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (line.size() > kShown) out += "...";
    return out;
}

// A real save is about a hundred bytes; anything this big is not one and is not read.
constexpr std::size_t kMaxSaveFileBytes = std::size_t(1) << 20;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<std::string> SaveLines(const GameState& state) {
    std::vector<std::string> lines;
    lines.reserve(33);
    lines.push_back("Recalc");
    lines.push_back(std::to_string(state.Level));
    lines.push_back(std::to_string(state.Flask));
    for (int32_t flag : state.Achievements)
        lines.push_back(std::to_string(flag));
    return lines;
}

void WriteSaveLines(const std::vector<std::string>& lines, const std::string& path) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    ReplaceSaveFile(path, bytes);
}

void SaveGame(const GameState& state, const std::string& path) {
    WriteSaveLines(SaveLines(state), path);
}

std::vector<std::string> ReadSaveLines(const std::string& path) {
    const tk::FileContents file = tk::ReadRegularFile(path, kMaxSaveFileBytes);
    if (file.status == tk::FileStatus::TooLarge) {
        throw GameError("File " + path + " is too large to be a saved game (" +
                        std::to_string(file.size) + " bytes)");
    }
    if (file.status == tk::FileStatus::NotAFile)
        throw GameError("Cannot open file " + path + ": it is " + file.kind + ", not a file");
    if (file.status != tk::FileStatus::Read) throw GameError("Cannot open file " + path);
    const std::string& bytes = file.bytes;
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool ParseSaveInteger(std::string_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int d = HexDigit(text[i]);
        if (d < 0 || d >= base) return false;
        magnitude = magnitude * base + d;
        if (magnitude > int64_t{1} << 31) return false;
    }
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX || signedValue < INT32_MIN) return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

SavedProgress ParseSaveLines(const std::vector<std::string>& lines, std::string_view fileName) {
    auto valueOf = [&](int lineNumber, int32_t low, int32_t high, const std::string& what) {
        const size_t index = static_cast<size_t>(lineNumber - 1);
        const std::string text = index < lines.size() ? lines[index] : std::string();
        const std::string where = std::string(fileName) + ", line " + std::to_string(lineNumber);
        int32_t value = 0;
        if (!ParseSaveInteger(text, value)) {
            throw GameError("'" + Printable(text) + "' is not a valid integer value (" + where +
                            ")");
        }
        if (value < low || value > high) {
            throw GameError(where + ": " + what + " is " + std::to_string(value) + ", outside " +
                            std::to_string(low) + ".." + std::to_string(high));
        }
        return value;
    };
    SavedProgress progress;
    progress.level = valueOf(2, 1, 11, "Level");
    progress.flask = valueOf(3, 0, 80, "Flask");
    for (int k = 0; k < 30; ++k) {
        progress.achievements[static_cast<size_t>(k)] =
            valueOf(4 + k, 0, 1, "Achievements[" + std::to_string(k) + "]");
    }
    return progress;
}

void LoadGameFromLines(GameState& state, const std::vector<std::string>& lines,
                       std::string_view fileName) {
    const SavedProgress progress = ParseSaveLines(lines, fileName);
    state.Level = progress.level;
    state.Flask = progress.flask;
    state.Achievements = progress.achievements;
}

void LoadGame(GameState& state, const std::string& path) {
    LoadGameFromLines(state, ReadSaveLines(path), path);
}

}  // namespace vm
