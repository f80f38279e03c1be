// score_render.cpp -- score to MIDI to FluidSynth to the finished sound.
#include "score_render.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "dsp.h"
#include "mastering.h"
#include "midi_file.h"
#include "score.h"
#include "toolkit/error.h"

namespace score {
namespace {

constexpr double kLoopCrossfadeSeconds = 0.25;
constexpr double kFadeOutSeconds = 0.5;
constexpr int kLoopCycles = 3;  // the middle turn has the tails of the first and runs into the last

size_t Frames(double seconds) {
    return static_cast<size_t>(std::lround(seconds * synth::kRate));
}

}  // namespace

synth::StereoBuffer RenderScore(const std::string& scorePath, FluidSetup setup,
                                const std::string& workDir) {
    std::ifstream in(scorePath);
    if (!in) throw tk::Error("Cannot read score " + scorePath);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const Score score = ParseScore(text, scorePath);

    const std::string stem = workDir + "/" + std::filesystem::path(scorePath).stem().string();
    const std::string midiPath = stem + ".mid", rawPath = stem + ".raw";
    {
        std::ofstream midi(midiPath, std::ios::binary);
        midi << MidiBytes(score, score.loop ? kLoopCycles : 1);
        if (!midi) throw tk::Error("Cannot write " + midiPath);
    }
    setup.gain = score.gain;
    setup.chorus = setup.chorus && !score.loop;
    synth::StereoBuffer render = RenderMidi(setup, midiPath, rawPath);
    std::filesystem::remove(rawPath);
    // Before the loop is cut, so the filter runs on across the seam as it does in the render.
    if (score.highpassHz > 0.0) synth::HighPass(render, score.highpassHz);

    synth::StereoBuffer out;
    if (score.loop) {
        const size_t turn = Frames(SecondsAt(score, score.length));
        out = synth::CutLoop(render, turn, turn, Frames(kLoopCrossfadeSeconds));
    } else {
        const size_t length = Frames(SecondsAt(score, score.length) + score.tailSeconds);
        out = render;
        out.left.resize(length, 0.0);
        out.right.resize(length, 0.0);
        synth::FadeOut(out, std::min(kFadeOutSeconds, score.tailSeconds));
    }
    synth::SetLevel(out, score.levelDb, -1.0);
    return out;
}

}  // namespace score
