// regular_file.h -- reading a file of the game whole, without ever waiting on what stands in its
// place.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tk {

enum class FileStatus { Read, Unopenable, NotAFile, TooLarge, ReadError };

struct FileContents {
    FileStatus status = FileStatus::Unopenable;
    std::string bytes;      // the whole file, when status is Read
    const char* kind = "";  // NotAFile: what is there instead ("a folder", "a named pipe", ...)
    long long size = 0;     // TooLarge: the size it has
};

// Opens `path` for reading without blocking, so that a named pipe nobody writes to cannot hang
// the game, and reads it only when it is a regular file of at most maxBytes (a file that grows
// while it is read still stops at the limit). Links are followed: a link to a file is a file.
FileContents ReadRegularFile(const std::string& path, std::size_t maxBytes);

// What a file of this mode is, for a message: "a folder", "a named pipe", "a device",
// "a socket", or "not a plain file".
const char* KindOfFile(mode_t mode);

// The reason a read failed, for a loader's own message: "it is a folder, not a file",
// "file too large (N bytes, at most M)", "file cannot be opened", "read error".
std::string WhyNotRead(const FileContents& contents, std::size_t maxBytes);

}  // namespace tk
