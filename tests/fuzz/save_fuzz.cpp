// save_fuzz.cpp -- libFuzzer target for the save file: any bytes either load as a valid campaign
// or raise vm::GameError and leave the game state exactly as it was.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "state/game_error.h"
#include "state/game_state.h"
#include "state/save_game.h"

namespace {

// A second reading of the integer rule through the C library, to compare with the game's own.
bool LibcInteger(std::string_view text, int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] | 0x20) == 'x') {
        base = 16;
        i += 2;
    }
    std::string digits(text.substr(i));
    if (digits.empty() || !std::isxdigit(static_cast<unsigned char>(digits[0]))) return false;
    // Leading zeros cannot overflow the check below; drop them so strtoll sees only the value.
    std::size_t nz = digits.find_first_not_of('0');
    std::string_view rest =
        nz == std::string::npos ? std::string_view("0") : std::string_view(digits).substr(nz);
    if (!std::isxdigit(static_cast<unsigned char>(rest[0])) || rest.size() > 12) return false;
    std::string bounded(rest);
    char* end = nullptr;
    errno = 0;
    long long magnitude = std::strtoll(bounded.c_str(), &end, base);
    if (errno != 0 || end != bounded.c_str() + bounded.size()) return false;  // NUL inside too
    long long v = negative ? -magnitude : magnitude;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int32_t>(v);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-save");
    const std::string& path = file.Write(data, size);

    std::vector<std::string> lines;
    try {
        lines = vm::ReadSaveLines(path);
    } catch (const vm::GameError&) {
        fuzz::Broken("a readable save file was refused");
    }
    fuzz::Check(lines == fuzz::TextLines({reinterpret_cast<const char*>(data), size}),
                "save lines differ from the line rule");

    // Each line on its own through the integer rule, against the C library.
    for (std::size_t k = 0; k < lines.size() && k < 40; ++k) {
        int32_t mine = 0, theirs = 0;
        const bool ok = vm::ParseSaveInteger(lines[k], mine);
        fuzz::Check(ok == LibcInteger(lines[k], theirs), "integer rule disagrees on validity");
        fuzz::Check(!ok || mine == theirs, "integer rule disagrees on the value");
    }

    vm::GameState state;
    state.Level = 7;
    state.Flask = 33;
    for (std::size_t k = 0; k < state.Achievements.size(); ++k)
        state.Achievements[k] = int32_t(k % 2);
    const vm::GameState before = state;
    try {
        vm::LoadGame(state, path);
    } catch (const vm::GameError& e) {
        fuzz::Check(std::string_view(e.what()).size() > 0, "empty error message");
        fuzz::Check(state.Level == before.Level && state.Flask == before.Flask &&
                        state.Achievements == before.Achievements,
                    "a refused save changed the game state");
        return 0;
    }
    fuzz::Check(state.Level >= 1 && state.Level <= 11, "loaded level out of range");
    fuzz::Check(state.Flask >= 0 && state.Flask <= 80, "loaded flask out of range");
    for (int32_t flag : state.Achievements)
        fuzz::Check(flag == 0 || flag == 1, "loaded achievement flag not 0 or 1");
    // What loaded saves back to the same progress.
    const vm::SavedProgress again = vm::ParseSaveLines(vm::SaveLines(state));
    fuzz::Check(again.level == state.Level && again.flask == state.Flask &&
                    again.achievements == state.Achievements,
                "a loaded save does not survive saving again");
    return 0;
}
