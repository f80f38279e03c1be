// score_parser.cpp -- reads the text of a score: one directive or one line of a part's notes a
// line; a word starting with `#` starts a comment.
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>

#include "score.h"
#include "toolkit/error.h"

namespace score {
namespace {

constexpr double kEpsilon = 1e-6;

class Parser {
  public:
    explicit Parser(const std::string& name) : name_(name) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw tk::Error(name_ + ":" + (line_ ? std::to_string(line_) + ": " : " ") + what);
    }

    Score Parse(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            std::vector<std::string> words = Split(raw.substr(0, CommentAt(raw)));
            if (words.empty()) continue;
            if (words[0].size() > 1 && words[0].back() == ':')
                PartLine(words[0].substr(0, words[0].size() - 1), words);
            else
                Directive(words);
        }
        line_ = 0;  // what follows is about the whole score, not one line
        if (score_.parts.empty()) Fail("the score has no parts");
        if (score_.notes.empty()) Fail("the score has no notes");
        if (score_.tempos.empty()) score_.tempos.push_back({0.0, 120.0});
        double end = declaredLength_;
        for (const Part& p : score_.parts) {
            if (declaredLength_ > 0.0 && p.cursor > declaredLength_ + kEpsilon)
                Fail("part '" + p.name + "' runs to beat " + Number(p.cursor) +
                     ", past the declared length of " + Number(declaredLength_) + " beats");
            end = std::max(end, p.cursor);
        }
        score_.length = end;
        return score_;
    }

  private:
    // A comment starts with a word that begins with '#'; inside a word '#' is a sharp (F#3).
    static size_t CommentAt(const std::string& line) {
        for (size_t i = 0; i < line.size(); ++i)
            if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
                return i;
        return std::string::npos;
    }

    static std::vector<std::string> Split(const std::string& text) {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        return words;
    }

    static std::string Number(double v) {
        std::ostringstream out;
        out << v;
        return out.str();
    }

    double ToNumber(const std::string& word) const {
        const size_t slash = word.find('/');
        try {
            size_t used = 0;
            if (slash != std::string::npos) {
                const double a = std::stod(word.substr(0, slash), &used);
                if (used != slash) throw std::invalid_argument(word);
                const double b = std::stod(word.substr(slash + 1), &used);
                if (used != word.size() - slash - 1 || b == 0.0) throw std::invalid_argument(word);
                return a / b;
            }
            const double v = std::stod(word, &used);
            if (used != word.size()) throw std::invalid_argument(word);
            return v;
        } catch (const std::logic_error&) {
            Fail("'" + word + "' is not a number");
        }
    }

    double InRange(const std::string& word, double low, double high) const {
        const double v = ToNumber(word);
        if (!(v >= low && v <= high))
            Fail("'" + word + "' is out of range " + Number(low) + " .. " + Number(high));
        return v;
    }

    int ToInt(const std::string& word, int low, int high) const {
        const double v = ToNumber(word);
        if (v != std::floor(v) || v < low || v > high)
            Fail("'" + word + "' is not a whole number from " + std::to_string(low) + " to " +
                 std::to_string(high));
        return static_cast<int>(v);
    }

    Part& FindPart(const std::string& name) {
        for (Part& p : score_.parts)
            if (p.name == name) return p;
        Fail("no part named '" + name + "'");
    }

    void Directive(const std::vector<std::string>& w) {
        const std::string& what = w[0];
        auto need = [&](size_t count) {
            if (w.size() != count)
                Fail("'" + what + "' takes " + std::to_string(count - 1) + " values");
        };
        if (what == "tempo") {
            if (w.size() != 2 && !(w.size() == 4 && w[2] == "at"))
                Fail("write: tempo BPM [at BEAT]");
            const double at = w.size() == 4 ? InRange(w[3], 0.0, 1e5) : 0.0;
            const double bpm = InRange(w[1], 10.0, 400.0);
            if (!score_.tempos.empty() && at <= score_.tempos.back().beat)
                Fail("tempo changes must come in beat order");
            if (score_.tempos.empty() && at != 0.0) score_.tempos.push_back({0.0, bpm});
            score_.tempos.push_back({at, bpm});
        } else if (what == "meter") {
            need(2);
            meter_ = ToInt(w[1], 1, 16);
        } else if (what == "length") {
            need(2);
            declaredLength_ = InRange(w[1], 1.0, 1e5);
        } else if (what == "tail") {
            need(2);
            score_.tailSeconds = InRange(w[1], 0.0, 30.0);
        } else if (what == "loop") {
            need(1);
            score_.loop = true;
        } else if (what == "level") {
            need(2);
            score_.levelDb = InRange(w[1], -60.0, -3.0);
        } else if (what == "highpass") {
            need(2);
            score_.highpassHz = InRange(w[1], 0.0, 2000.0);
        } else if (what == "gain") {
            need(2);
            score_.gain = InRange(w[1], 0.01, 10.0);
        } else if (what == "alias") {
            need(3);
            aliases_[w[1]] = Pitch(w[2]);
        } else if (what == "part") {
            PartDirective(w);
        } else if (what == "swell") {
            need(6);
            Ramp r;
            r.channel = FindPart(w[1]).channel;
            r.from = InRange(w[2], 0.0, 1e5);
            r.to = InRange(w[3], 0.0, 1e5);
            r.fromValue = ToInt(w[4], 0, 127);
            r.toValue = ToInt(w[5], 0, 127);
            if (r.to <= r.from) Fail("a swell must end after it starts");
            score_.ramps.push_back(r);
        } else {
            Fail("unknown directive '" + what + "'");
        }
    }

    void PartDirective(const std::vector<std::string>& w) {
        if (w.size() < 2 || w.size() % 2 != 0) Fail("write: part NAME key value ...");
        for (const Part& p : score_.parts)
            if (p.name == w[1]) Fail("part '" + w[1] + "' is declared twice");
        Part p;
        p.name = w[1];
        for (size_t i = 2; i + 1 < w.size(); i += 2) {
            const std::string& key = w[i];
            if (key == "channel")
                p.channel = ToInt(w[i + 1], 0, 15);
            else if (key == "program")
                p.program = ToInt(w[i + 1], 0, 127);
            else if (key == "bank")
                p.bank = ToInt(w[i + 1], 0, 128);
            else if (key == "volume")
                p.volume = ToInt(w[i + 1], 0, 127);
            else if (key == "pan")
                p.pan = ToInt(w[i + 1], 0, 127);
            else if (key == "reverb")
                p.reverb = ToInt(w[i + 1], 0, 127);
            else if (key == "chorus")
                p.chorus = ToInt(w[i + 1], 0, 127);
            else
                Fail("unknown part setting '" + key + "'");
        }
        score_.parts.push_back(p);
    }

    // A note name (C4 is 60, sharps #, flats b), a MIDI number, or an alias.
    int Pitch(const std::string& word) const {
        if (const auto it = aliases_.find(word); it != aliases_.end()) return it->second;
        if (std::isdigit(static_cast<unsigned char>(word[0]))) return ToInt(word, 0, 127);
        static const std::map<char, int> steps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                  {'G', 7}, {'A', 9}, {'B', 11}};
        const auto step = steps.find(static_cast<char>(std::toupper(word[0])));
        if (step == steps.end()) Fail("'" + word + "' is not a note");
        int pitch = step->second;
        size_t i = 1;
        for (; i < word.size() && (word[i] == '#' || word[i] == 'b'); ++i)
            pitch += word[i] == '#' ? 1 : -1;
        if (i == word.size()) Fail("'" + word + "' has no octave");
        pitch += 12 * (ToInt(word.substr(i), -1, 9) + 1);
        if (pitch < 0 || pitch > 127) Fail("'" + word + "' is out of the MIDI range");
        return pitch;
    }

    void PartLine(const std::string& partName, std::vector<std::string> words) {
        Part& part = FindPart(partName);
        int repeats = 1;
        if (words.size() > 1 && words.back()[0] == '*') {
            repeats = ToInt(words.back().substr(1), 1, 64);
            words.pop_back();
        }
        for (int r = 0; r < repeats; ++r)
            for (size_t i = 1; i < words.size(); ++i)
                Token(part, words[i]);
    }

    void Token(Part& part, std::string token) {
        static const std::map<std::string, int> dynamics = {{"ppp", 24}, {"pp", 36},  {"p", 50},
                                                            {"mp", 64},  {"mf", 80},  {"f", 96},
                                                            {"ff", 110}, {"fff", 124}};
        State& state = states_[part.name];
        if (token == "|") {
            const double inBar = std::fmod(part.cursor + kEpsilon, meter_);
            if (inBar > 2 * kEpsilon)
                Fail("part '" + part.name + "': a bar line at beat " + Number(part.cursor) + ", " +
                     Number(inBar - kEpsilon) + " beats into a bar of " + std::to_string(meter_));
            return;
        }
        if (const auto d = dynamics.find(token); d != dynamics.end()) {
            state.velocity = d->second;
            return;
        }
        int accent = 0;
        double gate = 1.0;
        while (!token.empty() && (token.back() == '>' || token.back() == '\'')) {
            if (token.back() == '>') accent = 16;
            if (token.back() == '\'') gate = 0.5;
            token.pop_back();
        }
        const size_t colon = token.find(':');
        if (colon != std::string::npos) {
            state.length = ToNumber(token.substr(colon + 1));
            if (!(state.length > 0.0 && state.length <= 1e4)) Fail("'" + token + "' has no length");
            token.resize(colon);
        }
        if (token.empty()) Fail("a note without a pitch in part '" + part.name + "'");
        if (token != "r") {
            std::stringstream pitches(token);
            for (std::string p; std::getline(pitches, p, '+');) {
                if (p.empty()) Fail("an empty pitch in '" + token + "'");
                Note n;
                n.channel = part.channel;
                n.pitch = Pitch(p);
                n.velocity = std::min(127, state.velocity + accent);
                n.start = part.cursor;
                n.length = state.length * gate;
                score_.notes.push_back(n);
            }
        }
        part.cursor += state.length;
    }

    struct State {
        int velocity = 80;
        double length = 1.0;
    };

    std::string name_;
    int line_ = 0;
    int meter_ = 4;
    double declaredLength_ = 0.0;
    Score score_;
    std::map<std::string, int> aliases_;
    std::map<std::string, State> states_;
};

}  // namespace

Score ParseScore(const std::string& text, const std::string& name) {
    return Parser(name).Parse(text);
}

double SecondsAt(const Score& score, double beat) {
    double seconds = 0.0;
    for (size_t i = 0; i < score.tempos.size(); ++i) {
        const double from = score.tempos[i].beat;
        if (beat <= from) break;
        const double to =
            i + 1 < score.tempos.size() ? std::min(beat, score.tempos[i + 1].beat) : beat;
        seconds += (to - from) * 60.0 / score.tempos[i].bpm;
    }
    return seconds;
}

}  // namespace score
