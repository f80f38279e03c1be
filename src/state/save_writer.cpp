// save_writer.cpp -- the save's bytes through a unique temporary file and a rename, or in place.
#include "state/save_writer.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "state/game_error.h"

namespace vm {
namespace {

// Closes the descriptor on every way out that has not closed it already.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    bool Close() {
        const int was = fd;
        fd = -1;
        return ::close(was) == 0;
    }
};

// The old save is read back for the in-place write only up to this; a real one is ~105 bytes.
constexpr std::size_t kMostBytesKept = std::size_t(1) << 20;
constexpr int kNameTries = 64;

bool WriteAt(int fd, const std::string& bytes, std::size_t limit) {
    std::size_t done = 0;
    const std::size_t end = bytes.size() < limit ? bytes.size() : limit;
    while (done < end) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, end - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return end == bytes.size();
}

bool WriteAll(int fd, const std::string& bytes, const SaveFault& fault) {
    const bool cut = fault.failAt == SaveFault::Step::Write;
    return WriteAt(fd, bytes, cut ? fault.writtenBeforeFailure : bytes.size()) && !cut;
}

bool Sync(int fd, const SaveFault& fault) {
    return fault.failAt != SaveFault::Step::Sync && ::fsync(fd) == 0;
}

// A name no other copy of the game is likely to pick; O_EXCL makes sure of it.
std::string TemporaryName(const std::string& path) {
    std::uint32_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        random = std::uint32_t(now.tv_nsec) ^ (std::uint32_t(::getpid()) << 12);
    }
    char tail[24];
    std::snprintf(tail, sizeof tail, ".%08x.tmp", unsigned(random));
    return path + tail;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A file the player has marked read-only stays as it is, even for root and even though the
// rename would only need the folder's permission.
bool ReadOnly(const std::string& path, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

// After the rename the new save is whole and in place; only its surviving a power cut is in
// doubt when this fails, so it is not reported as a failed save.
void SyncFolder(const std::string& path) {
    Descriptor folder{::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0) ::fsync(folder.fd);
}

// The folder takes no new file: write over the old save's bytes, then cut it to length, so that
// a failure midway can put the old bytes back.
void WriteInPlace(const std::string& path, const std::string& bytes, const SaveFault& fault,
                  const GameError& failure) {
    Descriptor file{::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ReadOnly(path, info) || std::size_t(info.st_size) > kMostBytesKept)
        throw failure;
    std::string old(std::size_t(info.st_size), '\0');
    if (::pread(file.fd, old.data(), old.size(), 0) != ssize_t(old.size())) throw failure;
    if (WriteAll(file.fd, bytes, fault) && ::ftruncate(file.fd, off_t(bytes.size())) == 0 &&
        Sync(file.fd, fault) && file.Close())
        return;
    if (file.fd >= 0) {
        WriteAt(file.fd, old, old.size());
        if (::ftruncate(file.fd, off_t(old.size())) == 0) ::fsync(file.fd);
    }
    throw failure;
}

}  // namespace

void ReplaceSaveFile(const std::string& path, const std::string& bytes, SaveFault fault) {
    const GameError failure("Cannot create file " + path);
    struct stat old {};
    const bool oldExists = ::lstat(path.c_str(), &old) == 0;
    // A link is replaced as a name, never written through; a folder, a pipe or a device cannot
    // be replaced by a file.
    if (oldExists && !S_ISLNK(old.st_mode) && (!S_ISREG(old.st_mode) || ReadOnly(path, old)))
        throw failure;

    std::string temporary;
    Descriptor file;
    for (int tries = 0; tries < kNameTries && file.fd < 0; ++tries) {
        temporary = TemporaryName(path);
        if (fault.folderTakesNoNewFile) {
            errno = EACCES;
            break;
        }
        // O_EXCL: never an existing file, nor a link planted at the name.
        file.fd = ::open(temporary.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (file.fd < 0 && errno != EEXIST) break;
    }
    if (file.fd < 0) {
        if ((errno == EACCES || errno == EPERM) && oldExists && S_ISREG(old.st_mode)) {
            WriteInPlace(path, bytes, fault, failure);
            return;
        }
        throw failure;
    }
    // The new save keeps the permissions the player gave the old one.
    if (oldExists && S_ISREG(old.st_mode)) ::fchmod(file.fd, old.st_mode & 07777);
    const bool written = WriteAll(file.fd, bytes, fault) && Sync(file.fd, fault);
    const bool closed = file.Close();
    if (!written || !closed || fault.failAt == SaveFault::Step::Rename ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw failure;
    }
    SyncFolder(path);
}

}  // namespace vm
