// tick_text_file.h -- a text file that a screen's tick reads afresh every time (a briefing, an
// achievement description): its lines are split again only when its bytes change, and a file
// that cannot be read is reported once until it reads again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class TickTextFile {
  public:
    // Anything larger is no text of ours; reading it on every tick would stall the screen.
    static constexpr std::size_t kMaxBytes = std::size_t(1) << 20;

    // Reads `name` from the working directory. True when it could be read: Lines() are its
    // lines (a line ends at CR LF, LF or CR; a last line without an ending counts when it is not
    // empty) and Changed() says whether they differ from the last good read. False when it could
    // not (missing, not a regular file, unreadable, too large): Lines() are empty, Error() says
    // why and ErrorIsNew() is true only on the first failure of that name since it last read.
    // Allocates nothing while the file stays the same.
    bool Read(std::string_view name);

    bool Changed() const { return changed_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Line i, or an empty line past the end.
    const std::string& Line(int i) const;
    const std::string& Error() const { return error_; }
    bool ErrorIsNew() const { return errorIsNew_; }

  private:
    bool ReadBytes(std::string_view name);
    void SplitLines();
    void Fail(std::string_view name, std::string message);

    std::string bytes_;      // this read
    std::string lastBytes_;  // the last good read, which lines_ hold
    bool haveLast_ = false;
    bool changed_ = false;
    std::vector<std::string> lines_;
    std::string path_;
    std::string error_;
    bool errorIsNew_ = false;
    std::vector<std::string> failing_;  // names reported and not read since
};

}  // namespace vm
