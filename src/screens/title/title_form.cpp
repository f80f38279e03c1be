// title_form.cpp -- the title window: its components, START, Instructions, the watchdog, and the
// twenty sound players.
#include "app/title_form.h"

#include "app/form_refs.h"
#include "app/game_app.h"
#include "app/instructions_form.h"
#include "screens/final/final_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/result/result_form.h"
#include "screens/story/story_form.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "toolkit/error.h"

namespace vm {

const std::array<const char*, 21> kSoundFiles = {
    "",           "carpathian.wav", "architect.wav", "blacksheep2.wav", "courtesan.wav",
    "rose.wav",   "seduction.wav",  "titan.wav",     "warbeast.wav",    "warrioress.wav",
    "druids.wav", "frost.wav",      "lightning.wav", "blacklight.wav",  "drake.wav",
    "showb.wav",  "drums.wav",      "shatter.wav",   "boom.wav",        "drip.wav",
    "haunt2.wav"};

const char* const kCreditsFile = "credits.txt";

namespace {

constexpr tk::Color kSilver = tk::Rgb(0xC0, 0xC0, 0xC0);

// A bordered window of fixed client size at its place on the desktop.
tk::WindowSpec TitleSpec() {
    return {"Vellmoor", tk::WindowKind::Bordered, 304, 181, 460, 424};
}

}  // namespace

TForm1::TForm1(tk::Application& app)
    : tk::Form(app, "Form1", TitleSpec()),
      Image1(Add<tk::Image>("Image1")),
      Button1(Add<tk::Button>("Button1")),
      Memo1(Add<tk::Memo>("Memo1")),
      Button2(Add<tk::Button>("Button2")),
      Timer1(app, "Form1.Timer1", 1000, true) {
    background = tk::Rgb(0, 0, 0);

    // The tower is taller than its frame: the component cuts it below row 409.
    Image1.SetBounds(8, 8, 249, 409);
    Image1.picture = &Assets().Get("Form1.Image1");

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
        app.ReportError(e.what());
    }

    for (int n = 1; n <= 20; ++n)
        players_[std::size_t(n)] =
            std::make_unique<tk::MediaPlayer>(TheMixer(), kSoundFiles[std::size_t(n)]);
}

void TForm1::Play(int n) {
    MediaPlayer(n).Play();
}
void TForm1::Stop(int n) {
    MediaPlayer(n).Stop();
}
void TForm1::Rewind(int n) {
    MediaPlayer(n).Rewind();
}

void TForm1::Button1Click() {
    NewGame(Game(), *this, App().GetHost().MsOfDayUtc());
    Form2->Show();
    Hide();
    Form2->Timer1.SetEnabled(true);
}

void TForm1::Button2Click() {
    Form9->Show();
}

void TForm1::Timer1Timer() {
    for (const tk::Form* screen : {static_cast<tk::Form*>(Form11), static_cast<tk::Form*>(Form8),
                                   static_cast<tk::Form*>(Form7), static_cast<tk::Form*>(Form6),
                                   static_cast<tk::Form*>(Form4), static_cast<tk::Form*>(Form2)})
        if (screen->Visible()) return;
    // Showing a visible title changes nothing: it must not come up over the instructions.
    if (!Visible()) Show();
    Form2->Timer1.SetEnabled(false);
}

}  // namespace vm
