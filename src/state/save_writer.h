// save_writer.h -- putting new bytes in the save's place so that the player only ever finds the
// old save or the new one, whole.
#pragma once

#include <cstddef>
#include <string>

namespace vm {

// A failure to bring about on purpose, so that tests and the fuzz target can break a save at
// every step without filling a disk or cutting the power.
struct SaveFault {
    enum class Step { None, Write, Sync, Rename };
    bool folderTakesNoNewFile = false;  // as a read-only folder: the save goes in place
    Step failAt = Step::None;
    std::size_t writtenBeforeFailure = 0;  // Step::Write: bytes that reach the file first
};

// Replaces the file at `path` with `bytes`. The bytes go to a new file of a unique name beside
// it, created without following links, synced, then renamed over `path`, and the folder is
// synced. When the folder takes no new file but `path` is a writable file, the bytes are written
// into it in place and synced, and on failure its old bytes are written back. A read-only file,
// or anything but a file or a link at `path`, is not replaced. Any failure raises
// GameError("Cannot create file <path>"), leaves no new file behind and the old one as it was.
void ReplaceSaveFile(const std::string& path, const std::string& bytes, SaveFault fault = {});

}  // namespace vm
