// tick_text_file.cpp -- reading a text file on every tick without re-splitting an unchanged one.
#include "screens/shell/tick_text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vm {

namespace {
const std::string kEmptyLine;

// Closes the descriptor on every way out.
struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

const std::string& TickTextFile::Line(int i) const {
    return i >= 0 && i < int(lines_.size()) ? lines_[std::size_t(i)] : kEmptyLine;
}

bool TickTextFile::Read(std::string_view name) {
    changed_ = false;
    if (!ReadBytes(name)) {
        if (!lines_.empty()) changed_ = true;
        lines_.clear();
        haveLast_ = false;
        return false;
    }
    errorIsNew_ = false;
    error_.clear();
    const auto failing = std::find(failing_.begin(), failing_.end(), name);
    if (failing != failing_.end()) failing_.erase(failing);
    if (haveLast_ && bytes_ == lastBytes_) return true;
    bytes_.swap(lastBytes_);
    haveLast_ = true;
    SplitLines();
    changed_ = true;
    return true;
}

bool TickTextFile::ReadBytes(std::string_view name) {
    path_.assign(name);
    // Non-blocking, so that a pipe left under a text file's name cannot hang the screen.
    FileDescriptor file{::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    struct stat info {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Fail(name, "Cannot open file " + path_);
        return false;
    }
    if (std::size_t(info.st_size) > kMaxBytes) {
        Fail(name, "File " + path_ + " is too large to show (" + std::to_string(info.st_size) +
                       " bytes)");
        return false;
    }
    // The size may change under us: read to the end, within the limit.
    bytes_.resize(std::size_t(info.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes_.size()) {
            if (bytes_.size() > kMaxBytes) {
                Fail(name, "File " + path_ + " is too large to show");
                return false;
            }
            bytes_.resize(std::min(kMaxBytes + 1, bytes_.size() * 2));
        }
        const ssize_t n = ::read(file.fd, bytes_.data() + done, bytes_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            Fail(name, "Cannot read file " + path_);
            return false;
        }
        if (n == 0) break;
        done += std::size_t(n);
    }
    bytes_.resize(done);
    return true;
}

void TickTextFile::SplitLines() {
    const std::string& data = lastBytes_;
    std::size_t count = 0;
    auto next = [&]() -> std::string& {
        if (count == lines_.size()) lines_.emplace_back();
        std::string& line = lines_[count++];
        line.clear();
        return line;
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n') continue;
        next().assign(data, start, i - start);
        if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < data.size()) next().assign(data, start, data.size() - start);
    lines_.resize(count);
}

void TickTextFile::Fail(std::string_view name, std::string message) {
    error_ = std::move(message);
    errorIsNew_ = std::find(failing_.begin(), failing_.end(), name) == failing_.end();
    if (errorIsNew_) failing_.emplace_back(name);
}

}  // namespace vm
