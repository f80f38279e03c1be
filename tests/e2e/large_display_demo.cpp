// large_display_demo.cpp -- one full-screen window on SdlHost that shows how a large display
// is fitted: a dark blue frame the size of the client area the game would see, a single red
// pixel where the enemy's tower starts (W - 245, 100), a green last column and a yellow last
// row. It prints "client WxH", and "clicked X Y" for each click, turning that pixel white.
#include <cstdio>

#include "toolkit/host/sdl_host.h"

int main() {
    try {
        tk::SdlHost host;
        tk::WindowId screen = host.CreateWindow(
            {.caption = "Large display demo", .kind = tk::WindowKind::FullScreen});
        int w = 0, h = 0;
        host.ClientSize(screen, w, h);
        tk::Bitmap frame(w, h, tk::Rgb(0, 0, 64));
        for (int y = 0; y < h; ++y)
            frame.At(w - 1, y) = tk::Rgb(0, 255, 0);
        for (int x = 0; x < w; ++x)
            frame.At(x, h - 1) = tk::Rgb(255, 255, 0);
        frame.At(w - 245, 100) = tk::Rgb(255, 0, 0);
        host.SetVisible(screen, true);
        host.Raise(screen);
        host.Present(screen, frame);
        std::printf("client %dx%d\n", w, h);
        std::fflush(stdout);

        std::int64_t end = host.NowMs() + 30000;  // never outlives a stuck test
        tk::Event event;
        while (host.NowMs() < end) {
            // Re-presents now and then: a window mapped late may have missed the first frame.
            if (!host.WaitEvent(event, host.NowMs() + 200)) {
                host.Present(screen, frame);
                continue;
            }
            if (event.type == tk::EventType::Close || event.type == tk::EventType::Quit) break;
            if (event.type == tk::EventType::MouseDown && event.window == screen) {
                if (frame.Contains(event.x, event.y))
                    frame.At(event.x, event.y) = tk::Rgb(255, 255, 255);
                host.Present(screen, frame);
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
