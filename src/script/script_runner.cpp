// script_runner.cpp -- parsing and running the script driver's commands.
#include "script/script_runner.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "script/game_driver.h"
#include "state/game_error.h"
#include "state/game_state.h"
#include "state/state_names.h"
#include "toolkit/error.h"
#include "toolkit/raster/png_writer.h"

namespace vm {

namespace {

// A fault in the script itself (as opposed to the game's own error reports).
struct ScriptFault {
    std::string message;
};

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

long long Number(const std::string& text, long long lo, long long hi) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || p != end) throw ScriptFault{"'" + text + "' is not a number"};
    if (value < lo || value > hi)
        throw ScriptFault{"'" + text + "' is outside " + std::to_string(lo) + ".." +
                          std::to_string(hi)};
    return value;
}

// Beyond this a headless window's frame would take gigabytes; the largest displays are 8K.
constexpr long long kMaxSide = 8192;

int Coordinate(const std::string& text) {
    return int(Number(text, -1000000, 1000000));
}

std::string Hex(tk::Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", tk::RedOf(c), tk::GreenOf(c), tk::BlueOf(c));
    return buf;
}

class Runner {
  public:
    Runner(GameDriver& d, std::ostream& out) : d_(d), out_(out) {}

    void Run(const std::vector<std::string>& w) {
        const std::string& cmd = w[0];
        auto it = Commands().find(cmd);
        if (it == Commands().end()) throw ScriptFault{"unknown command '" + cmd + "'"};
        if (int(w.size()) - 1 != it->second.args)
            throw ScriptFault{cmd + " takes " + std::to_string(it->second.args) + " argument(s)"};
        it->second.run(*this, w);
    }

  private:
    struct Command {
        int args;
        std::function<void(Runner&, const std::vector<std::string>&)> run;
    };
    using W = const std::vector<std::string>&;

    tk::Form& FormArg(const std::string& name) {
        try {
            return d_.FormNamed(name);
        } catch (const tk::Error&) {
            throw ScriptFault{"unknown form '" + name + "'"};
        }
    }

    static const std::map<std::string, Command>& Commands() {
        static const std::map<std::string, Command> table = {
            {"size",
             {2,
              [](Runner& r, W w) {
                  r.d_.SetSize(int(Number(w[1], 1, kMaxSide)), int(Number(w[2], 1, kMaxSide)));
              }}},
            {"clock",
             {1, [](Runner& r, W w) { r.d_.SetClock(std::uint32_t(Number(w[1], 0, 86399999))); }}},
            {"move",
             {3, [](Runner& r,
                    W w) { r.d_.Move(r.FormArg(w[1]), Coordinate(w[2]), Coordinate(w[3])); }}},
            {"click",
             {3, [](Runner& r,
                    W w) { r.d_.Click(r.FormArg(w[1]), Coordinate(w[2]), Coordinate(w[3])); }}},
            {"close", {1, [](Runner& r, W w) { r.d_.Close(r.FormArg(w[1])); }}},
            {"key", {2, [](Runner& r, W w) { r.d_.Key(r.FormArg(w[1]), w[2]); }}},
            {"wait",
             {1, [](Runner& r, W w) { r.d_.Wait(Number(w[1], 0, 1000LL * 3600 * 24 * 7)); }}},
            {"print",
             {1,
              [](Runner& r, W w) {
                  try {
                      r.out_ << FormatVariable(Game(), w[1]) << "\n";
                  } catch (const GameError& e) {
                      throw ScriptFault{e.what()};
                  }
              }}},
            {"set",
             {2,
              [](Runner& r, W w) {
                  (void)r;
                  try {
                      AssignVariable(Game(), w[1], w[2]);
                  } catch (const GameError& e) {
                      throw ScriptFault{e.what()};
                  }
              }}},
            {"visible", {0, [](Runner& r, W) { r.out_ << r.d_.VisibleLine() << "\n"; }}},
            {"timers", {0, [](Runner& r, W) { r.out_ << r.d_.TimersLine() << "\n"; }}},
            {"sounds", {0, [](Runner& r, W) { r.out_ << r.d_.SoundsLine() << "\n"; }}},
            {"pixel",
             {3,
              [](Runner& r, W w) {
                  tk::Form& f = r.FormArg(w[1]);
                  const int x = Coordinate(w[2]), y = Coordinate(w[3]);
                  if (!r.d_.Frame(f).Contains(x, y))
                      throw ScriptFault{w[1] + " has no pixel at " + w[2] + " " + w[3]};
                  r.out_ << Hex(r.d_.Pixel(f, x, y)) << "\n";
              }}},
            {"shot",
             {2,
              [](Runner& r, W w) {
                  tk::Form& f = r.FormArg(w[1]);
                  try {
                      tk::WritePng(w[2], r.d_.Frame(f));
                  } catch (const tk::Error& e) {
                      throw ScriptFault{e.what()};
                  }
              }}},
            {"errors",
             {0,
              [](Runner& r, W) {
                  for (const std::string& e : r.d_.TakeErrors())
                      r.out_ << "error: " << e << "\n";
              }}},
        };
        return table;
    }

    GameDriver& d_;
    std::ostream& out_;
};

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    std::unique_ptr<GameDriver> driver;
    try {
        driver = std::make_unique<GameDriver>();
    } catch (const std::exception& e) {
        err << "script: the game cannot start: " << e.what() << "\n";
        return 1;
    }
    Runner runner(*driver, out);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        try {
            runner.Run(words);
        } catch (const ScriptFault& f) {
            out.flush();
            err << "script: line " << lineNumber << ": " << f.message << "\n";
            return 2;
        }
        if (driver->Ended()) {
            out << "ended\n";
            out.flush();
            return 0;
        }
    }
    out.flush();
    return 0;
}

}  // namespace vm
