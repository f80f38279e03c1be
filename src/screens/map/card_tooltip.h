// card_tooltip.h -- the description of the hovered hand card: its text file, laid out once per
// version of the file, and the panel at the pointer.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screens/map/map_view.h"

namespace vm {

// The laid-out lines of the seventy description files "zc<n>.txt" in the working directory.
// A file is read again only when its size or change time differs from the last read, so the
// tooltip reads nothing while the pointer rests on a card, yet an edited file shows at the next
// hover. A file that cannot be read gives no lines and is reported once, until it can be read
// again.
class CardDescriptions {
  public:
    using Reporter = std::function<void(const std::string&)>;
    explicit CardDescriptions(Reporter report) : report_(std::move(report)) {}

    // Card 1..70's lines as the 225-pixel, 8-point box lays them out; nullptr when the file
    // cannot be read (or the number is no card).
    const std::vector<std::string>* Lines(int card);
    // How many times a file has been read from disk (the benchmark checks the tick reads none).
    std::int64_t FileReads() const { return fileReads_; }

  private:
    struct Version {
        std::int64_t size = -1, seconds = 0, nanoseconds = 0, inode = 0;
        bool operator==(const Version&) const = default;
    };
    struct Entry {
        bool loaded = false;
        bool reported = false;
        Version version;
        std::vector<std::string> lines;
    };
    // Reads the file into text_; false when it cannot be opened or read.
    bool ReadFile(const char* name);
    void Failed(Entry& entry, const char* name);

    Reporter report_;
    std::array<Entry, 71> entries_{};
    std::string text_;
    std::int64_t fileReads_ = 0;
};

// Tick step: the panel and the first thirteen lines of HoveredCard's description, while the
// player's move is free (also during the enemy's move). Leaves the font at 11 points.
void DrawCardTooltip(const MapView& view, int hoveredCard, CardDescriptions& descriptions);

}  // namespace vm
