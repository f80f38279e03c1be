// intro_form.cpp -- the intro screen's tick, its mouse, and its hand-over to the story.
#include "screens/intro/intro_form.h"

#include "screens/intro/intro_layout.h"
#include "screens/intro/intro_rain.h"
#include "screens/intro/intro_sky.h"
#include "state/game_state.h"

namespace vm {

namespace {
constexpr const char* kStoryFile = "story.txt";
}

TForm2::TForm2(const ScreenServices& services)
    : ScreenForm(services, "Form2", 971, 536, 10),
      Image2(Add<tk::Image>("Image2")),
      Memo1(Add<tk::Memo>("Memo1")),
      clouds_(services.assets.Get("Form3.Image6")),
      logo_(services.assets.Get("Form3.Image4")),
      moon_(services.assets.Get("Form3.Image13")),
      bolt_(services.assets.Get("Form3.Image3")),
      tower_(services.assets.Get("Form3.Image1")),
      cliffs_(services.assets.Get("Form3.Image5")) {
    Image2.picture = &services.assets.Get("Form2.Image2");
    Image2.SetBounds(0, 0, 1024, 765);
    Image2.SetVisible(false);
    Memo1.SetBounds(0, 0, 393, 497);
    Memo1.SetVisible(false);
    Memo1.wordWrap = true;
    Memo1.LoadFromFile(kStoryFile);
    Memo1.DisplayedLines();  // wrapped here, once: the story's ticks only read the lines
}

// The scene back to front: sky, lightning, tower, cliffs, then credit, rain and trail on top.
void TForm2::DrawContent(tk::Canvas& canvas) {
    GameState& s = Game();
    const int w = W(), h = H();
    intro::RiseAndDrift(s);
    DrawBackdrop(canvas, w);
    canvas.SetTextOpaque(false);
    canvas.SetFontColor(intro::kSilver);
    if (intro::AdvanceLightning(s, w)) canvas.Draw(s.LightningX, intro::kBoltTop, bolt_);
    DrawLand(canvas, h);
    DrawCredit(canvas, h);
    intro::DrawAndMoveRain(s, canvas, w, h);
    intro::DrawTrail(s, canvas);
    intro::AgeTrail(s);
}

void TForm2::DrawBackdrop(tk::Canvas& canvas, int width) {
    using namespace intro;
    canvas.Draw(Saturate(int64_t(kCloudLeft) - Game().CloudScroll), kCloudTop, clouds_);
    canvas.Draw(kLogoLeft, kLogoTop, logo_);
    canvas.Draw(Saturate(int64_t(width) - kMoonFromRight), kMoonTop, moon_);
}

void TForm2::DrawLand(tk::Canvas& canvas, int height) {
    const intro::ScenePoint tower = intro::PlaceOf(intro::kTowerPlace, Game(), height);
    canvas.Draw(tower.x, tower.y, tower_);
    const intro::ScenePoint cliffs = intro::PlaceOf(intro::kCliffPlace, Game(), height);
    canvas.Draw(cliffs.x, cliffs.y, cliffs_);
}

void TForm2::DrawCredit(tk::Canvas& canvas, int height) {
    canvas.SetFontSize(intro::kCreditFontSize);
    canvas.TextOut(intro::kCreditLeft, intro::Saturate(int64_t(height) - intro::kCreditFromBottom),
                   credit_.For(Game().VersionText));
}

void TForm2::Image1MouseMove(int x, int y) {
    GameState& s = Game();
    s.IntroMouseX = x;
    s.IntroMouseY = y;
    s.TrailX[0] = x;
    s.TrailY[0] = y;
}

void TForm2::Image1Click() {
    services.handovers.Run(Handover::IntroClick);
}

}  // namespace vm
