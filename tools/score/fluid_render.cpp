// fluid_render.cpp -- runs FluidSynth's fast file renderer as a child process.
#include "fluid_render.h"

#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "toolkit/error.h"

namespace score {

FluidSetup ConfiguredFluidSetup() {
    FluidSetup setup;
    setup.program = VELLMOOR_FLUIDSYNTH;
    setup.soundFont = VELLMOOR_GM_SOUNDFONT;
    return setup;
}

synth::StereoBuffer RenderMidi(const FluidSetup& setup, const std::string& midiPath,
                               const std::string& rawPath) {
    std::ostringstream gain;
    gain << setup.gain;
    std::vector<std::string> args = {
        setup.program,
        "-q",
        "-n",
        "-i",
        "-F",
        rawPath,
        "-T",
        "raw",
        "-O",
        "float",
        "-E",
        "little",
        "-r",
        "44100",
        "-g",
        gain.str(),
        "-o",
        "synth.cpu-cores=1",
        "-o",
        "synth.polyphony=512",
        "-o",
        "synth.reverb.active=1",
        "-o",
        std::string("synth.chorus.active=") + (setup.chorus ? "1" : "0"),
        setup.soundFont,
        midiPath};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) throw tk::Error("Cannot start " + setup.program + " for " + midiPath);
    if (child == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw tk::Error(
            setup.program + " failed to render " + midiPath +
            (WIFEXITED(status) && WEXITSTATUS(status) == 127 ? " (not installed?)" : ""));

    std::ifstream in(rawPath, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const size_t frames = bytes.size() / 8;
    if (frames == 0) throw tk::Error(setup.program + " rendered nothing into " + rawPath);
    synth::StereoBuffer out;
    out.left.resize(frames);
    out.right.resize(frames);
    for (size_t i = 0; i < frames; ++i) {
        static_assert(std::endian::native == std::endian::little, "samples are little-endian");
        float l, r;
        std::memcpy(&l, bytes.data() + 8 * i, 4);
        std::memcpy(&r, bytes.data() + 8 * i + 4, 4);
        out.left[i] = l;
        out.right[i] = r;
    }
    return out;
}

}  // namespace score
