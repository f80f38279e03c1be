// text_fuzz.cpp -- libFuzzer target for the briefings and achievement descriptions a screen reads
// on every tick: any bytes read as lines by the line rule, reading the same bytes again changes
// nothing, and a failing name is reported once and then forgotten when the file reads again.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "screens/shell/tick_text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-briefing");
    // One reader for every input, as a screen keeps one for its whole life.
    static vm::TickTextFile reader;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string& path = file.Write(data, size);

    fuzz::Check(reader.Read(path), "a readable briefing was refused");
    fuzz::Check(reader.Error().empty() && !reader.ErrorIsNew(), "a good read left an error");
    const std::vector<std::string> lines = reader.Lines();
    fuzz::Check(lines == fuzz::TextLines(text), "briefing lines differ from the line rule");
    fuzz::Check(reader.Line(int(lines.size())).empty() && reader.Line(-1).empty(),
                "reading past the lines is not an empty line");

    fuzz::Check(reader.Read(path) && !reader.Changed(), "the same bytes read as a change");
    fuzz::Check(reader.Lines() == lines, "the same bytes gave other lines");

    // A name that cannot be read: reported once, no lines, and the next good read is a change
    // whenever there is something to show.
    static const std::string missing = "/proc/self/fd/-1/vellmoor-missing.txt";
    fuzz::Check(!reader.Read(missing) && reader.Lines().empty(), "a missing briefing read");
    fuzz::Check(!reader.Error().empty() && reader.Error().find(missing) != std::string::npos,
                "the error does not name the file");
    fuzz::Check(!reader.Read(missing) && !reader.ErrorIsNew(), "a failure was reported twice");
    fuzz::Check(reader.Read(path) && reader.Lines() == lines, "a good read after a failure");
    fuzz::Check(reader.Changed() || lines.empty(), "a read after a failure is no change");
    return 0;
}
