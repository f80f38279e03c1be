// save_game.h -- the campaign's save file: the coming battle, the flask and the achievements.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/game_state.h"

namespace vm {

inline constexpr const char* kSaveFileName = "zcxa1.txt";

// What a save keeps of a campaign.
struct SavedProgress {
    int32_t level = 1;
    int32_t flask = 0;
    std::array<int32_t, 30> achievements{};
};

// The 33 lines of a save: "Recalc", Level, Flask, Achievements[0..29] in decimal.
std::vector<std::string> SaveLines(const GameState& state);
// Writes the lines with CR LF after each through ReplaceSaveFile (save_writer.h): the old save
// or the new one, whole, whatever happens; a read-only save is not replaced. Any failure raises
// GameError "Cannot create file <path>". Plays no sound and does not touch JustSaved: the level
// screen does both after a save that returned.
void SaveGame(const GameState& state, const std::string& path = kSaveFileName);
void WriteSaveLines(const std::vector<std::string>& lines, const std::string& path);

// Reads a save file into lines, ending a line at CR LF, LF or CR. GameError "Cannot open file
// <path>" when it cannot be opened or read (saying what it is when it is a folder, a pipe or a
// device, none of which is waited on), and a clear error for a file far larger than any save
// could be (it is not read).
std::vector<std::string> ReadSaveLines(const std::string& path = kSaveFileName);
// Checks lines 2..33 (line 1 and lines after 33 are not read). A line must hold one integer:
// leading spaces, an optional sign, decimal digits or "$"/"0x" hex digits, fitting 32 bits,
// nothing after it; otherwise GameError "'<line>' is not a valid integer value" with the file
// and line. Level must be 1..11, Flask 0..80, each flag 0 or 1, or GameError naming the line
// and the range. Missing lines read as empty.
SavedProgress ParseSaveLines(const std::vector<std::string>& lines,
                             std::string_view fileName = kSaveFileName);
// Load all or nothing: reads and checks the whole file first, then sets only Level, Flask and
// Achievements. A failure changes nothing.
void LoadGame(GameState& state, const std::string& path = kSaveFileName);
void LoadGameFromLines(GameState& state, const std::vector<std::string>& lines,
                       std::string_view fileName = kSaveFileName);

// The integer rule of the save file; false when the text is not one.
bool ParseSaveInteger(std::string_view text, int32_t& value);

}  // namespace vm
