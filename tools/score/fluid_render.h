// fluid_render.h -- plays a MIDI file through FluidSynth, offline, into samples.
#pragma once

#include <string>

#include "sound_buffer.h"

namespace score {

struct FluidSetup {
    std::string program = "fluidsynth";  // found on the PATH unless a path is given
    std::string soundFont;
    double gain = 0.5;
    bool chorus = true;  // off for loops: its free-running sweep differs from turn to turn
};

// The FluidSynth program and General MIDI SoundFont found when the build was configured.
FluidSetup ConfiguredFluidSetup();

// Renders `midiPath` at 44.1 kHz stereo into 32-bit float samples in `rawPath` and reads them
// back. FluidSynth runs on one core and writes floats, so it adds no dither: the same MIDI file
// gives the same samples. Throws tk::Error naming the file when FluidSynth fails.
synth::StereoBuffer RenderMidi(const FluidSetup& setup, const std::string& midiPath,
                               const std::string& rawPath);

}  // namespace score
