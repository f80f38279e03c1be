// tick_hooks.h -- the places in a map tick where the map screen draws between the rule steps.
#pragma once

namespace vm {

// Every hook does nothing by default, so the rules run alone in tests and the simulator. The map
// screen overrides them with its drawing; the comments say which of its steps go where.
class TickHooks {
  public:
    virtual ~TickHooks() = default;
    // Start of the frame, after the steps before it: the simulator reseeds the generator here
    // (the screen's frame reseeds on its own).
    virtual void OnFrameBegin() {}
    // Moon, stars, starburst, twinkling, plumes, fire, towers, ward marks, shown heights,
    // marker, ground, hand pictures, greying, pendants (everything before the drop falls).
    virtual void OnSceneDraw() {}
    // After the drop's fall: drop, flask gauge, cost boxes, panels, hit test, tooltip, tower
    // height text, resource numbers, switches.
    virtual void OnHudDraw() {}
    // Inside AdvancePlayerMove on a tick of the play animation; t is 99 .. 2, AnimKind is chosen.
    virtual void OnPlayAnimationTick(int t) { (void)t; }
    // At the start of RunEnemyMove, before the choice and the countdown (skull and bolt).
    virtual void OnEnemyMoveBegin() {}
    // Right after the enemy's countdown, every tick of its move (card shown, discard hatch).
    virtual void OnEnemyCountdown() {}
    // The change display, drawn before the rules count DeltaTicks down.
    virtual void OnChangeDisplay() {}
    // The end test found the battle over: the hand-over to the result screen.
    virtual void OnBattleEnded() {}
    // The last drawing of the tick: level intro overlay, scenery, buttons.
    virtual void OnSceneFinish() {}
};

}  // namespace vm
