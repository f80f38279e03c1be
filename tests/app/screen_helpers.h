// screen_helpers.h -- finding a window's components by name and reading its frame, for the
// screen tests of the title and instructions windows.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "script/game_driver.h"
#include "toolkit/ui/component.h"
#include "toolkit/ui/form.h"

namespace vm::testing {

inline tk::Component& Named(const tk::Form& form, std::string_view name) {
    for (const auto& c : form.Components())
        if (c->name == name) return *c;
    ADD_FAILURE() << form.Name() << " has no " << name;
    throw std::runtime_error("no such component");
}

// A real click in the middle of the component, as the player makes it.
inline void ClickOn(GameDriver& driver, tk::Form& form, std::string_view name) {
    const tk::Component& c = Named(form, name);
    driver.Click(form, c.left + c.width / 2, c.top + c.height / 2);
}

inline bool Dark(tk::Color c) {
    return ((c >> 16) & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right and bottom inclusive
    bool Empty() const { return right < 0; }
};

// The smallest box around the pixels of [l, r) x [t, b) that pass the test.
template <class Test>
Box BoundsOf(const GameDriver& driver, tk::Form& form, int l, int t, int r, int b, Test test) {
    Box box;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            if (test(driver.Pixel(form, x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// A text file's lines as the game reads them: CR LF, LF or CR end a line.
inline std::vector<std::string> FileLines(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << name;
    const std::string data((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\r' || data[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            line += data[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace vm::testing
