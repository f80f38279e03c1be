// fuzz_support.h -- what the fuzz targets share: an in-memory file for loaders that open files by
// name, the line rule of the game's text files told a second way, and the check that aborts.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

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

// The lines of a text file: CR LF, LF and CR each end a line, and a last line without an end
// still counts. Worked out by rewriting every end as LF first, unlike the loaders.
inline std::vector<std::string> TextLines(std::string_view bytes) {
    std::string unified;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            unified += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            unified += bytes[i];
        }
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < unified.size()) {
        const std::size_t nl = unified.find('\n', start);
        if (nl == std::string::npos) {
            lines.push_back(unified.substr(start));
            break;
        }
        lines.push_back(unified.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

}  // namespace fuzz
