// fuzz_file.h -- hands fuzz input to loaders that open files by name, without touching the disk.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace fuzz {

// One in-memory file per process, rewritten for each input; its /proc path opens like any file.
class InputFile {
  public:
    explicit InputFile(const char* label) {
        fd_ = memfd_create(label, MFD_CLOEXEC);
        if (fd_ < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const std::string& Write(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(fd_, 0) != 0) std::abort();
        std::size_t done = 0;
        while (done < size) {
            ssize_t n = pwrite(fd_, data + done, size - done, off_t(done));
            if (n <= 0) std::abort();
            done += std::size_t(n);
        }
        return path_;
    }

  private:
    int fd_ = -1;
    std::string path_;
};

// A broken promise of a loader: printed, then the fuzzer records the input that caused it.
[[noreturn]] inline void Broken(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) Broken(what);
}

}  // namespace fuzz
