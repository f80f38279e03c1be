// memo.h -- a multi-line text box: a line buffer for text files, and a widget when visible.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/ui/component.h"

namespace tk {

// The game uses hidden memos as plain line buffers (load a file, read line i), so the buffer
// part does no drawing or font work; wrapping is worked out only when the displayed lines are
// asked for.
class Memo : public Component {
  public:
    using Component::Component;

    Color background = 0xC0C0C0;
    Color textColor = 0;
    int fontSize = 8;
    bool readOnly = false;
    bool wordWrap = true;
    bool scrollBar = false;  // a vertical scroll bar at the right edge

    // Anything larger is no text of ours (the story, help and credits are a few kilobytes).
    static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 20;

    // Replaces the lines with the file's; CR LF, LF and CR all end a line. A file that cannot be
    // opened, or a folder or pipe in its place, raises "Cannot open file NAME", one over
    // kMaxFileBytes "File NAME is too large to show (N bytes)", before the lines are touched.
    void LoadFromFile(const std::string& fileName);
    // Writes every line followed by CR LF; raises "Cannot create file NAME" on failure.
    void SaveToFile(const std::string& fileName) const;
    // Line i (from 0); past the end reads as an empty line.
    const std::string& Line(int i) const;
    int Count() const { return int(lines_.size()); }
    void Add(std::string line);
    void Clear();
    void SetLines(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return lines_; }

    // The lines as shown: wrapped at the text width when word wrap is on.
    const std::vector<std::string>& DisplayedLines() const;
    int TopLine() const { return topLine_; }
    void ScrollTo(int line);
    int VisibleLineCount() const;

    void Paint(Canvas& canvas) override;
    bool Focusable() const override { return true; }
    void Wheel(int amount) override { ScrollTo(topLine_ - 3 * amount); }
    void MouseDown(int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseUp(int, int, bool) override { dragging_ = false; }
    void Key(const Event& e) override;
    void Text(const std::string& text) override;

    static constexpr int kBarWidth = 16;

  private:
    int TextWidth() const { return width - 8 - (scrollBar ? kBarWidth : 0); }
    int LineHeight() const;
    void Changed() { wrapValid_ = false; }
    void ThumbGeometry(int& thumbTop, int& thumbHeight) const;

    std::vector<std::string> lines_;
    mutable std::vector<std::string> wrapped_;
    mutable bool wrapValid_ = false;
    mutable int wrapWidth_ = -1;
    int topLine_ = 0;
    bool dragging_ = false;
    int dragOffset_ = 0;
};

}  // namespace tk
