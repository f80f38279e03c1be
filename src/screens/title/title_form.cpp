// title_form.cpp -- the title window: its components, START, Instructions, the watchdog, and the
// twenty sound players.
#include "screens/title/title_form.h"

#include "state/game_state.h"
#include "state/new_game.h"
#include "toolkit/error.h"

namespace vm {

const char* const kCreditsFile = "credits.txt";

namespace {

constexpr tk::Color kSilver = tk::Rgb(0xC0, 0xC0, 0xC0);

// A bordered window of fixed client size at its place on the desktop.
tk::WindowSpec TitleSpec() {
    return {"Vellmoor", tk::WindowKind::Bordered, 304, 181, 460, 424};
}

}  // namespace

TForm1::TForm1(const ScreenServices& services)
    : tk::Form(services.app, "Form1", TitleSpec()),
      Image1(Add<tk::Image>("Image1")),
      Button1(Add<tk::Button>("Button1")),
      Memo1(Add<tk::Memo>("Memo1")),
      Button2(Add<tk::Button>("Button2")),
      Timer1(services.app, "Form1.Timer1", 1000, true),
      services_(services) {
    background = tk::Rgb(0, 0, 0);

    // The tower is taller than its frame: the component cuts it below row 409.
    Image1.SetBounds(8, 8, 249, 409);
    Image1.picture = &services.assets.Get("Form1.Image1");

    Memo1.SetBounds(264, 8, 193, 377);
    Memo1.background = kSilver;
    Memo1.readOnly = false;
    Memo1.scrollBar = false;

    Button2.SetBounds(264, 392, 75, 25);
    Button2.caption = "Instructions";
    Button1.SetBounds(376, 392, 75, 25);
    Button1.caption = "START";
    SetFocus(&Button1);

    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Timer1.onTimer = [this] { Timer1Timer(); };

    try {
        Memo1.LoadFromFile(kCreditsFile);
    } catch (const tk::Error& e) {
        services.app.ReportError(e.what());
    }

    for (int n = 1; n <= kSoundCount; ++n)
        players_[std::size_t(n)] =
            std::make_unique<tk::MediaPlayer>(services.mixer, kSoundFiles[std::size_t(n)].file);
}

void TForm1::Play(Sound sound) {
    MediaPlayer(SoundNumber(sound)).Play();
}
void TForm1::Stop(Sound sound) {
    MediaPlayer(SoundNumber(sound)).Stop();
}
void TForm1::Rewind(Sound sound) {
    MediaPlayer(SoundNumber(sound)).Rewind();
}

void TForm1::Button1Click() {
    NewGame(Game(), *this, App().GetHost().MsOfDayUtc());
    services_.handovers.Run(Handover::TitleStart);
}

void TForm1::Button2Click() {
    services_.handovers.Run(Handover::TitleInstructions);
}

void TForm1::Timer1Timer() {
    // Showing a visible title changes nothing: it must not come up over the instructions.
    if (!services_.handovers.AnyScreenVisible()) services_.handovers.Run(Handover::Watchdog);
}

}  // namespace vm
