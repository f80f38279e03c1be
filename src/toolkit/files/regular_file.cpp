// regular_file.cpp -- the one non-blocking way the game reads its files.
#include "toolkit/files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace tk {
namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

const char* KindOfFile(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a plain file";
}

FileContents ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    FileContents out;
    // O_NOCTTY: a terminal device in a file's place must not become ours.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) return out;
    if (!S_ISREG(info.st_mode)) {
        out.status = FileStatus::NotAFile;
        out.kind = KindOfFile(info.st_mode);
        return out;
    }
    if (std::uint64_t(info.st_size) > maxBytes) {
        out.status = FileStatus::TooLarge;
        out.size = info.st_size;
        return out;
    }
    // One byte more than the size, so that the end is seen in the same pass; a file that grew
    // since is read on in steps, up to one byte past the limit.
    std::string& bytes = out.bytes;
    bytes.resize(std::size_t(info.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > maxBytes) {
                out.status = FileStatus::TooLarge;
                out.size = static_cast<long long>(done);
                bytes.clear();
                return out;
            }
            bytes.resize(std::min(maxBytes + 1,
                                  bytes.size() + std::max<std::size_t>(65536, bytes.size() / 2)));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.status = FileStatus::ReadError;
            bytes.clear();
            return out;
        }
        if (n == 0) break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    out.status = FileStatus::Read;
    return out;
}

std::string WhyNotRead(const FileContents& contents, std::size_t maxBytes) {
    switch (contents.status) {
        case FileStatus::Read:
            return "read";
        case FileStatus::Unopenable:
            return "file cannot be opened";
        case FileStatus::NotAFile:
            return std::string("it is ") + contents.kind + ", not a file";
        case FileStatus::TooLarge:
            return "file too large (" + std::to_string(contents.size) + " bytes, at most " +
                   std::to_string(maxBytes) + ")";
        case FileStatus::ReadError:
            return "read error";
    }
    return "cannot be read";
}

}  // namespace tk
