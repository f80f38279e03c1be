// card_text_fuzz.cpp -- libFuzzer target for the card descriptions shown while the pointer rests
// on a hand card: any bytes in "zc<n>.txt" give lines that fit the 225-pixel box and keep every
// character, the file is not read again while it stays the same, and nothing is reported.
// Input: the card number byte, then the file.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "screens/map/card_tooltip.h"
#include "toolkit/raster/text_layout.h"

namespace {

std::string Ink(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' && c != '\r' && c != '\n') out += c;
    return out;
}

// The descriptions are read by bare name: each input works in a folder of its own and goes back
// after, since libFuzzer reads its corpus by the paths it was given.
class OwnFolder {
  public:
    OwnFolder() {
        char folder[] = "/tmp/vellmoor-cards-XXXXXX";
        home_ = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (home_ < 0 || !::mkdtemp(folder)) fuzz::Broken("no folder of our own");
        folder_ = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    void Enter() const {
        if (::fchdir(folder_) != 0) fuzz::Broken("cannot enter our folder");
    }
    void Leave() const {
        if (::fchdir(home_) != 0) fuzz::Broken("cannot go back");
    }

  private:
    int home_ = -1, folder_ = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const OwnFolder folder;
    if (size < 1) return 0;
    folder.Enter();
    const int card = 1 + data[0] % 70;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    char name[16];
    std::snprintf(name, sizeof name, "zc%d.txt", card);
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(text.data(), std::streamsize(text.size()));

    std::vector<std::string> reports;
    vm::CardDescriptions descriptions([&](const std::string& m) { reports.push_back(m); });
    const std::vector<std::string>* lines = descriptions.Lines(card);
    fuzz::Check(lines != nullptr && reports.empty(), "a readable description was refused");

    std::string shown;
    for (const std::string& line : *lines) {
        const std::size_t ink = line.find_last_not_of(' ');
        const std::string_view visible(line.data(), ink == std::string::npos ? 0 : ink + 1);
        fuzz::Check(tk::MeasureText(visible, 8) <= 225 || line.size() == 1,
                    "a description line is wider than its box");
        shown += Ink(line);
    }
    fuzz::Check(shown == Ink(text), "the description lost, added or moved a character");
    fuzz::Check(lines->size() >= fuzz::TextLines(text).size(), "the description lost a line");

    const auto reads = descriptions.FileReads();
    fuzz::Check(descriptions.Lines(card) == lines && descriptions.FileReads() == reads,
                "an unchanged description was read again");
    fuzz::Check(descriptions.Lines(0) == nullptr && descriptions.Lines(71) == nullptr,
                "a number that is no card has a description");
    std::remove(name);
    folder.Leave();
    return 0;
}
