// cards.h -- the seventy cards: name, run and the kind of animation their play shows. Their
// prices are in card_costs.cpp and their effects in the rules, each checked against this table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vm {

inline constexpr int kCardCount = 70;

// The four runs of the deck; a card's run gives its frame and its main colour.
enum class CardRun { Blue, Red, Yellow, Silver };

// What the played card's animation shows (the turn cycle's AnimKind: 0, 1 or 2).
enum class AnimKind : int { Plain = 0, Picture = 1, Glow = 2 };

struct Card {
    std::string_view name;
    CardRun run;
    // Whether it counts in its run's colour for the moons and the hand achievements: card 40,
    // the last of the red run, counts in no colour.
    bool countsInRun;
    AnimKind anim;
};

// kCards[n] is card n (1..70); entry 0 stands for an empty slot.
inline constexpr std::array<Card, kCardCount + 1> kCards = {{
    {"", CardRun::Blue, false, AnimKind::Plain},
    {"Abandon", CardRun::Blue, true, AnimKind::Glow},          // 1
    {"Architect", CardRun::Blue, true, AnimKind::Picture},     // 2
    {"Assassin", CardRun::Blue, true, AnimKind::Picture},      // 3
    {"Babel", CardRun::Blue, true, AnimKind::Glow},            // 4
    {"Black Sheep", CardRun::Blue, true, AnimKind::Picture},   // 5
    {"Blood Feud", CardRun::Blue, true, AnimKind::Plain},      // 6
    {"Bloodline", CardRun::Blue, true, AnimKind::Glow},        // 7
    {"Conscript", CardRun::Blue, true, AnimKind::Glow},        // 8
    {"Consolidate", CardRun::Blue, true, AnimKind::Glow},      // 9
    {"Conversion", CardRun::Blue, true, AnimKind::Plain},      // 10
    {"Courtesan", CardRun::Blue, true, AnimKind::Picture},     // 11
    {"Demob", CardRun::Blue, true, AnimKind::Glow},            // 12
    {"Harlequin", CardRun::Blue, true, AnimKind::Plain},       // 13
    {"Nobles", CardRun::Blue, true, AnimKind::Glow},           // 14
    {"Peace", CardRun::Blue, true, AnimKind::Picture},         // 15
    {"Princess", CardRun::Blue, true, AnimKind::Plain},        // 16
    {"The Rose", CardRun::Blue, true, AnimKind::Picture},      // 17
    {"Royalty", CardRun::Blue, true, AnimKind::Glow},          // 18
    {"Seduction", CardRun::Blue, true, AnimKind::Picture},     // 19
    {"Slander", CardRun::Blue, true, AnimKind::Plain},         // 20
    {"Trader", CardRun::Blue, true, AnimKind::Glow},           // 21
    {"Ambush", CardRun::Red, true, AnimKind::Plain},           // 22
    {"Archers", CardRun::Red, true, AnimKind::Picture},        // 23
    {"Barbarian", CardRun::Red, true, AnimKind::Picture},      // 24
    {"Cavalry", CardRun::Red, true, AnimKind::Picture},        // 25
    {"Defend", CardRun::Red, true, AnimKind::Glow},            // 26
    {"Engineer", CardRun::Red, true, AnimKind::Picture},       // 27
    {"Enrage", CardRun::Red, true, AnimKind::Picture},         // 28
    {"From Above", CardRun::Red, true, AnimKind::Plain},       // 29
    {"Ghost Rider", CardRun::Red, true, AnimKind::Plain},      // 30
    {"Infiltration", CardRun::Red, true, AnimKind::Plain},     // 31
    {"Mercenary", CardRun::Red, true, AnimKind::Plain},        // 32
    {"Reinforce", CardRun::Red, true, AnimKind::Picture},      // 33
    {"Siege", CardRun::Red, true, AnimKind::Plain},            // 34
    {"Slavery", CardRun::Red, true, AnimKind::Plain},          // 35
    {"Thief", CardRun::Red, true, AnimKind::Plain},            // 36
    {"Titan", CardRun::Red, true, AnimKind::Picture},          // 37
    {"Trebuchet", CardRun::Red, true, AnimKind::Plain},        // 38
    {"War Beast", CardRun::Red, true, AnimKind::Picture},      // 39
    {"Warrioress", CardRun::Red, false, AnimKind::Picture},    // 40
    {"Alchemist", CardRun::Yellow, true, AnimKind::Glow},      // 41
    {"Blood", CardRun::Yellow, true, AnimKind::Plain},         // 42
    {"Confusion", CardRun::Yellow, true, AnimKind::Plain},     // 43
    {"Drake", CardRun::Yellow, true, AnimKind::Picture},       // 44
    {"Druids", CardRun::Yellow, true, AnimKind::Picture},      // 45
    {"Endurance", CardRun::Yellow, true, AnimKind::Picture},   // 46
    {"Exhaustion", CardRun::Yellow, true, AnimKind::Plain},    // 47
    {"Fear", CardRun::Yellow, true, AnimKind::Plain},          // 48
    {"Firebolt", CardRun::Yellow, true, AnimKind::Picture},    // 49
    {"Frost", CardRun::Yellow, true, AnimKind::Picture},       // 50
    {"Haunt", CardRun::Yellow, true, AnimKind::Picture},       // 51
    {"Healer", CardRun::Yellow, true, AnimKind::Glow},         // 52
    {"Horror", CardRun::Yellow, true, AnimKind::Plain},        // 53
    {"Lightning", CardRun::Yellow, true, AnimKind::Picture},   // 54
    {"Locusts", CardRun::Yellow, true, AnimKind::Plain},       // 55
    {"Nature", CardRun::Yellow, true, AnimKind::Picture},      // 56
    {"Pacify", CardRun::Yellow, true, AnimKind::Plain},        // 57
    {"Plague", CardRun::Yellow, true, AnimKind::Plain},        // 58
    {"Prayer", CardRun::Yellow, true, AnimKind::Glow},         // 59
    {"Sorcery", CardRun::Yellow, true, AnimKind::Glow},        // 60
    {"Tornado", CardRun::Yellow, true, AnimKind::Plain},       // 61
    {"Void", CardRun::Yellow, true, AnimKind::Plain},          // 62
    {"Blacklight", CardRun::Silver, true, AnimKind::Picture},  // 63
    {"Devastate", CardRun::Silver, true, AnimKind::Picture},   // 64
    {"Emerald", CardRun::Silver, true, AnimKind::Glow},        // 65
    {"Sacrifice", CardRun::Silver, true, AnimKind::Plain},     // 66
    {"Stone", CardRun::Silver, true, AnimKind::Glow},          // 67
    {"Summoner", CardRun::Silver, true, AnimKind::Picture},    // 68
    {"Unleash", CardRun::Silver, true, AnimKind::Plain},       // 69
    {"Wisdom", CardRun::Silver, true, AnimKind::Glow},         // 70
}};

constexpr bool IsCard(int card) {
    return card >= 1 && card <= kCardCount;
}
// Whether card n counts in that run's colour for the moons and the hand achievements.
constexpr bool CountsIn(int card, CardRun run) {
    return IsCard(card) && kCards[static_cast<std::size_t>(card)].countsInRun &&
           kCards[static_cast<std::size_t>(card)].run == run;
}
constexpr AnimKind AnimKindOfCard(int card) {
    return IsCard(card) ? kCards[static_cast<std::size_t>(card)].anim : AnimKind::Plain;
}

}  // namespace vm
