// end_of_battle.cpp -- the end test and NextBattle with the enemy's level handicap.
#include "rules/end_of_battle.h"

#include <array>

#include "rules/achievements.h"

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

void StartBattle(Duel duel) {
    GameState& s = duel.state;
    s.PlayerTower = 400 - 10 * s.Level;
    duel.sounds.Stop(Sound::TitleMusic);
    duel.sounds.Rewind(Sound::Drums);
    s.LevelIntroTicks = 50;
}

namespace {
// The enemy's head start before each battle: Level gifts, each drawn from these eight.
struct HandicapGift {
    StateValue value;
    int32_t amount;
};
constexpr std::array<HandicapGift, 8> kHandicapGifts = {{
    {kEnemySide.Yellow, 1},
    {kEnemySide.Red, 1},
    {kEnemySide.Blue, 1},
    {kEnemySide.BlueRare, 1},
    {kEnemySide.RedRare, 1},
    {kEnemySide.YellowRare, 1},
    {kEnemySide.Green, 1},
    {kEnemySide.Tower, 5},
}};
}  // namespace

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
    if (s.Level == 6) s.Achievements[std::size_t(Achievement::HalfwayThrough)] = 1;
    for (int gift = 0; gift < s.Level; ++gift) {
        const HandicapGift& g = kHandicapGifts[std::size_t(s.random.Below(8))];
        s.*g.value += g.amount;
    }
    duel.sounds.Stop(Sound::TitleMusic);
    duel.sounds.Rewind(Sound::TitleMusic);
    duel.sounds.Play(Sound::TitleMusic);
    return s.Level;
}

}  // namespace vm
