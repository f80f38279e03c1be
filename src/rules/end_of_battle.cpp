// end_of_battle.cpp -- the end test and NextBattle with the enemy's level handicap.
#include "screens/map/rules/end_of_battle.h"

#include "screens/map/rules/achievements.h"

namespace vm {

bool EndTest(GameState& s) {
    s.BattleResult = 0;
    if (s.PlayerTower > 499) s.BattleResult = 1;
    if (s.EnemyTower < 1) s.BattleResult = 1;
    if (s.EnemyTower > 499) s.BattleResult = 2;
    if (s.PlayerTower < 1) s.BattleResult = 2;
    if (s.BattleResult == 0) return false;
    EndAchievements(s);
    return true;
}

int32_t NextBattle(Duel duel) {
    GameState& s = duel.state;
    s.PlayerTower = 400;
    s.EnemyTower = 400;
    if (s.BattleResult == 2) s.Level -= 1;
    s.BattleResult = 0;
    s.PlayerBlue = s.EnemyBlue = s.PlayerYellow = s.EnemyYellow = s.PlayerRed = s.EnemyRed = 5;
    s.PlayerBlueRare = s.EnemyBlueRare = s.PlayerRedRare = s.EnemyRedRare = 3;
    s.PlayerYellowRare = s.EnemyYellowRare = 3;
    s.PlayerWard = s.EnemyWard = s.PlayerBurn = s.EnemyBurn = 0;
    s.PlayerGreen = s.EnemyGreen = 3;
    s.PlayerBlueIncome = s.PlayerRedIncome = s.PlayerYellowIncome = 1;
    s.EnemyBlueIncome = s.EnemyRedIncome = s.EnemyYellowIncome = 1;
    s.MoonPhase = 1;
    s.EnemyPlayedCard = 0;
    s.PendingPlayerCard = 0;
    s.TurnPhase = 1;
    s.PlayerMoveTicks = 0;
    s.Card11Played = s.Card19Played = 0;
    s.DiscardStreak = 0;
    s.Level += 1;
    if (s.Level == 6) s.Achievements[24] = 1;
    for (int gift = 0; gift < s.Level; ++gift) {
        switch (s.random.Below(8)) {
            case 0:
                s.EnemyYellow += 1;
                break;
            case 1:
                s.EnemyRed += 1;
                break;
            case 2:
                s.EnemyBlue += 1;
                break;
            case 3:
                s.EnemyBlueRare += 1;
                break;
            case 4:
                s.EnemyRedRare += 1;
                break;
            case 5:
                s.EnemyYellowRare += 1;
                break;
            case 6:
                s.EnemyGreen += 1;
                break;
            default:
                s.EnemyTower += 5;
                break;
        }
    }
    duel.sounds.Stop(1);
    duel.sounds.Rewind(1);
    duel.sounds.Play(1);
    return s.Level;
}

}  // namespace vm
