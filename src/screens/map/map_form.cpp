// map_form.cpp -- the map screen's tick: its steps in their order, the rules between the
// drawing, and the screen's input and buttons.
#include "screens/map/map_form.h"

#include "rules/map_tick_rules.h"
#include "rules/tick_hooks.h"
#include "screens/map/card_animations.h"
#include "screens/map/hand_hud.h"
#include "screens/map/map_input.h"
#include "screens/map/map_scene.h"
#include "state/game_state.h"

namespace vm {

// The drawing of one tick, at the places between the rule steps where each part belongs.
class TForm4::TickSteps : public TickHooks {
  public:
    TickSteps(TForm4& form, const MapView& view) : form_(form), v_(view) {}

    void OnSceneDraw() override {
        DrawMoon(v_);
        DrawStars(v_);
        DrawStarburst(v_);
        TwinkleStars(v_.state);
        DrawPlumes(v_);
        DrawFire(v_);
        DrawPlayerTower(v_);
        DrawWardMarks(v_);
        DrawEnemyTower(v_);
        FollowTrueHeights(v_.state);
        DrawTurnMarker(v_);
        DrawGround(v_);
        DrawHandCards(v_);
        DrawGreying(v_);
        DrawPendants(v_);
    }
    void OnHudDraw() override {
        DrawBloodDrop(v_);
        DrawFlaskGauge(v_);
        DrawCostBoxes(v_);
        DrawResourcePanels(v_);
        const int hoveredCard = HitTestHand(v_.state, v_.W);
        DrawCardTooltip(v_, hoveredCard, form_.descriptions_);
        DrawTowerHeightText(v_);
        DrawResourceNumbers(v_);
        RunSoundSwitch(v_);
        RunSpeedSwitch(v_, form_.Timer1);
        DrawSwitchHoverTexts(v_);
    }
    void OnPlayAnimationTick(int t) override { DrawPlayerMove(v_, t); }
    void OnEnemyMoveBegin() override { DrawEnemyMoveBegin(v_); }
    void OnEnemyCountdown() override { DrawEnemyCountdown(v_); }
    void OnChangeDisplay() override { DrawChangeDisplay(v_); }
    // The rest of this tick still runs and its picture still goes to the now hidden window.
    void OnBattleEnded() override { form_.HandOverToResult(); }
    void OnSceneFinish() override {
        DrawLevelIntro(v_);
        DrawScenery(v_);
        form_.Button1.SetBounds(v_.W - 20, v_.H - 20, 19, 25);
        form_.Button2.SetBounds(3, v_.H - 20, 17, 25);
        form_.Button1.SetVisible(true);
        form_.Button2.SetVisible(true);
    }

  private:
    TForm4& form_;
    const MapView& v_;
};

TForm4::TForm4(const ScreenServices& services)
    : ScreenForm(services, "Form4", 971, 536, 80),
      Button1(Add<tk::Button>("Button1")),
      Button2(Add<tk::Button>("Button2")),
      pictures_(services.assets),
      descriptions_(
          [&app = services.app](const std::string& message) { app.ReportError(message); }) {
    // Hidden until the first tick puts them in their corners: at (0, 0) they would lie over the
    // sound switch, and a click meant for the music would end the program.
    Button1.caption = "?";
    Button1.SetBounds(0, 0, 19, 25);
    Button1.SetVisible(false);
    Button2.caption = "X";
    Button2.SetBounds(0, 0, 17, 25);
    Button2.SetVisible(false);
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
}

TForm4::~TForm4() = default;

void TForm4::BeforeFrame() {
    MapTickBeforeFrame(Game());
}

void TForm4::DrawContent(tk::Canvas& canvas) {
    const MapView view{canvas, Game(), pictures_, services.Sounds(), W(), H()};
    TickSteps steps(*this, view);
    MapTickInFrame(Duel{Game(), services.Sounds()}, steps);
}

void TForm4::HandOverToResult() {
    services.Sounds().Stop(Sound::Drums);
    services.handovers.Run(Handover::BattleEnded);
}

void TForm4::Image1Click() {
    MapClick(Duel{Game(), services.Sounds()});
}

void TForm4::Image1MouseMove(int x, int y) {
    RecordPointer(Game(), x, y);
}

// The instructions come to the front; the battle goes on behind them.
void TForm4::Button1Click() {
    services.handovers.Run(Handover::MapHelp);
}

// Ends the program at once, without a question and without saving.
void TForm4::Button2Click() {
    services.handovers.Run(Handover::MapExit);
}

}  // namespace vm
