// save_round_trip_fuzz.cpp -- libFuzzer target for saving: any campaign saved and loaded back is
// the same campaign (one out of its ranges is refused on loading and changes nothing), and a save
// broken at any step and byte, through a new file or in place, leaves the old save byte for byte
// and no other file.
// Input: Level, Flask (signed bytes), 30 flags as bits of four bytes, the fault (bits 0-1 the
// step, bit 2 in place), the byte the write stops after.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "state/game_error.h"
#include "state/game_state.h"
#include "state/save_game.h"
#include "state/save_writer.h"

namespace {

char folder[] = "/dev/shm/vellmoor-save-XXXXXX";

void RemoveFolder() {
    ::unlink((std::string(folder) + "/" + vm::kSaveFileName).c_str());
    ::rmdir(folder);
}

// A RAM folder where there is one, since every save syncs; removed when the fuzzer ends.
std::string Folder() {
    if (!::mkdtemp(folder)) {
        std::snprintf(folder, sizeof folder, "/tmp/vellmoor-save-XXXXXX");
        if (!::mkdtemp(folder)) fuzz::Broken("no folder of our own");
    }
    std::atexit(RemoveFolder);
    return folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int FilesIn(const std::string& folder) {
    int count = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* entry = ::readdir(dir))
        count += entry->d_name[0] != '.';
    ::closedir(dir);
    return count;
}

bool InPlay(const vm::GameState& s) {
    bool flags = true;
    for (int32_t f : s.Achievements)
        flags = flags && (f == 0 || f == 1);
    return s.Level >= 1 && s.Level <= 11 && s.Flask >= 0 && s.Flask <= 80 && flags;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = Folder();
    static const std::string path = folder + "/" + vm::kSaveFileName;
    if (size < 8) return 0;

    vm::GameState saved;
    saved.Level = int8_t(data[0]);
    saved.Flask = int8_t(data[1]);
    const std::uint32_t bits =
        data[2] | data[3] << 8 | data[4] << 16 | std::uint32_t(data[5]) << 24;
    for (std::size_t k = 0; k < 30; ++k)
        saved.Achievements[k] = int32_t(bits >> k & 1);
    // The two top bits make one flag something no game writes.
    if (bits >> 30) saved.Achievements[bits % 30] = int32_t(bits >> 30) + 1;

    try {
        vm::SaveGame(saved, path);
    } catch (const vm::GameError&) {
        fuzz::Broken("a save into an empty folder failed");
    }
    vm::GameState loaded;
    loaded.Level = 3;
    loaded.Flask = 9;
    const vm::GameState before = loaded;
    try {
        vm::LoadGame(loaded, path);
        fuzz::Check(InPlay(saved), "a campaign out of its ranges loaded");
        fuzz::Check(loaded.Level == saved.Level && loaded.Flask == saved.Flask &&
                        loaded.Achievements == saved.Achievements,
                    "the campaign loaded is not the one saved");
    } catch (const vm::GameError&) {
        fuzz::Check(!InPlay(saved), "a campaign in its ranges did not load back");
        fuzz::Check(loaded.Level == before.Level && loaded.Flask == before.Flask &&
                        loaded.Achievements == before.Achievements,
                    "a refused save changed the game state");
    }

    // Another save, broken on the way.
    const std::string old = Read(path);
    vm::SaveFault fault;
    fault.failAt = vm::SaveFault::Step(data[6] & 3);
    fault.folderTakesNoNewFile = data[6] & 4;
    fault.writtenBeforeFailure = size > 8 ? std::size_t(data[7] | data[8] << 8) : data[7];
    vm::GameState next = saved;
    next.Level = saved.Level % 11 + 1;
    std::string bytes;
    for (const std::string& line : vm::SaveLines(next))
        bytes += line + "\r\n";
    // In place there is no rename to fail; every other fault breaks the save.
    const bool breaks =
        fault.failAt != vm::SaveFault::Step::None &&
        !(fault.failAt == vm::SaveFault::Step::Rename && fault.folderTakesNoNewFile);
    try {
        vm::ReplaceSaveFile(path, bytes, fault);
        fuzz::Check(!breaks, "a save broken on the way was reported as done");
        fuzz::Check(Read(path) == bytes, "a save reported as done did not write the save");
    } catch (const vm::GameError& e) {
        fuzz::Check(breaks, "a save without a fault failed");
        fuzz::Check(std::string(e.what()) == "Cannot create file " + path,
                    "a failed save has another message");
        fuzz::Check(Read(path) == old, "a failed save changed the old one");
    }
    fuzz::Check(FilesIn(folder) == 1, "a save left another file in the folder");
    return 0;
}
