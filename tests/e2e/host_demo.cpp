// host_demo.cpp -- a tiny program on SdlHost that proves the end-to-end harness: a blue
// window that turns red when clicked, and a tone through the mixer at start and on each click.
// With the argument "error" it also reports an error at start (the error window's check);
// with "fullscreen" it opens a green full-screen window over the blue one and prints its size.
#include <cmath>
#include <cstdio>
#include <string>

#include "toolkit/host/sdl_host.h"
#include "toolkit/sound/media_player.h"
#include "toolkit/sound/mixer.h"

namespace {

constexpr int kWidth = 200, kHeight = 150;
constexpr tk::Color kBlue = tk::Rgb(0, 0, 255);
constexpr tk::Color kRed = tk::Rgb(255, 0, 0);

tk::SoundData Tone(double seconds, double hertz) {
    tk::SoundData sound;
    int frames = int(seconds * tk::kMixRate);
    for (int i = 0; i < frames; ++i) {
        auto s = std::int16_t(12000 * std::sin(2 * M_PI * hertz * i / tk::kMixRate));
        sound.samples.push_back(s);
        sound.samples.push_back(s);
    }
    return sound;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        tk::SdlHost host;
        tk::Mixer mixer;
        tk::MediaPlayer tone(mixer, "tone", Tone(0.5, 440));
        host.StartAudio(&mixer);

        tk::WindowId window = host.CreateWindow({.caption = "Host demo",
                                                 .left = 100,
                                                 .top = 100,
                                                 .clientWidth = kWidth,
                                                 .clientHeight = kHeight});
        tk::Bitmap frame(kWidth, kHeight, kBlue);
        host.SetVisible(window, true);
        host.Raise(window);
        host.Present(window, frame);
        tone.Play();
        if (argc > 1 && std::string(argv[1]) == "error") {
            host.ShowError("Cannot open sound drums.wav: a test of the error window");
            host.ShowError("Cannot open sound drums.wav: a test of the error window");
        }
        if (argc > 1 && std::string(argv[1]) == "fullscreen") {
            tk::WindowId cover = host.CreateWindow(
                {.caption = "Host demo cover", .kind = tk::WindowKind::FullScreen});
            int w = 0, h = 0;
            host.ClientSize(cover, w, h);
            std::printf("cover %dx%d\n", w, h);
            host.SetVisible(cover, true);
            host.Raise(cover);
            host.Present(cover, tk::Bitmap(w / 2, h / 2, tk::Rgb(0, 255, 0)));
        }
        std::printf("ready\n");
        std::fflush(stdout);

        std::int64_t end = host.NowMs() + 30000;  // never outlives a stuck test
        tk::Event event;
        while (host.NowMs() < end) {
            // Re-presents now and then: a window mapped late may have missed the first frame.
            if (!host.WaitEvent(event, host.NowMs() + 200)) {
                host.Present(window, frame);
                continue;
            }
            if (event.type == tk::EventType::Close || event.type == tk::EventType::Quit) break;
            if (event.type == tk::EventType::MouseDown && event.window == window) {
                frame = tk::Bitmap(kWidth, kHeight, frame.pixels[0] == kBlue ? kRed : kBlue);
                host.Present(window, frame);
                tone.Stop();
                tone.Rewind();
                tone.Play();
                std::printf("clicked %d %d\n", event.x, event.y);
                std::fflush(stdout);
            }
        }
    } catch (const std::exception& e) {
        tk::SdlHost::ShowFatalError(e.what());
        return 1;
    }
    return 0;
}
