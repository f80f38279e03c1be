// state_names.cpp -- the name table of the game state and the access by name.
#include "state/state_names.h"

#include <charconv>
#include <type_traits>

#include "toolkit/error.h"

namespace vm {
namespace {

template <auto Member>
int32_t* ScalarOf(GameState& s, int) {
    return &(s.*Member);
}

template <auto Member, int Last>
int32_t* ElementOf(GameState& s, int index) {
    static_assert(
        Last < static_cast<int>(std::tuple_size_v<
                                std::remove_cvref_t<decltype(std::declval<GameState&>().*Member)>>),
        "index range does not fit the array");
    return &(s.*Member)[static_cast<size_t>(index)];
}

template <auto Member>
std::string* TextOf(GameState& s) {
    return &(s.*Member);
}

#define VM_SCALAR(n)                                               \
    StateVariable {                                                \
#n, VariableKind::Scalar, 0, 0, &ScalarOf < &GameState::n> \
    }
#define VM_ARRAY(n, first, last)                                                \
    StateVariable {                                                             \
#n, VariableKind::Array, first, last, &ElementOf < &GameState::n, last> \
    }
#define VM_TEXT(n, constant)                                                      \
    StateVariable {                                                               \
#n, VariableKind::Text, 0, 0, nullptr, &TextOf < &GameState::n>, constant \
    }

const std::vector<StateVariable> kVariables = {
    VM_SCALAR(Level),
    VM_ARRAY(Achievements, 0, 29),
    VM_SCALAR(Score),
    VM_SCALAR(Flask),
    VM_SCALAR(JustSaved),
    VM_SCALAR(PlayerTower),
    VM_SCALAR(EnemyTower),
    VM_SCALAR(PlayerTowerShown),
    VM_SCALAR(EnemyTowerShown),
    VM_SCALAR(PlayerTowerBefore),
    VM_SCALAR(EnemyTowerBefore),
    VM_SCALAR(PlayerBurn),
    VM_SCALAR(EnemyBurn),
    VM_SCALAR(PlayerWard),
    VM_SCALAR(EnemyWard),
    VM_SCALAR(BattleResult),
    VM_SCALAR(DiscardStreak),
    VM_SCALAR(Card11Played),
    VM_SCALAR(Card19Played),
    VM_SCALAR(PlayerBlue),
    VM_SCALAR(PlayerRed),
    VM_SCALAR(PlayerYellow),
    VM_SCALAR(PlayerBlueRare),
    VM_SCALAR(PlayerRedRare),
    VM_SCALAR(PlayerYellowRare),
    VM_SCALAR(PlayerGreen),
    VM_SCALAR(PlayerBlueIncome),
    VM_SCALAR(PlayerRedIncome),
    VM_SCALAR(PlayerYellowIncome),
    VM_SCALAR(EnemyBlue),
    VM_SCALAR(EnemyRed),
    VM_SCALAR(EnemyYellow),
    VM_SCALAR(EnemyBlueRare),
    VM_SCALAR(EnemyRedRare),
    VM_SCALAR(EnemyYellowRare),
    VM_SCALAR(EnemyGreen),
    VM_SCALAR(EnemyBlueIncome),
    VM_SCALAR(EnemyRedIncome),
    VM_SCALAR(EnemyYellowIncome),
    VM_SCALAR(TurnPhase),
    VM_SCALAR(MoonPhase),
    VM_SCALAR(PlayerMoveTicks),
    VM_SCALAR(PendingPlayerCard),
    VM_SCALAR(AnimCard),
    VM_SCALAR(AnimKind),
    VM_SCALAR(EnemyCard),
    VM_SCALAR(EnemyMoveTicks),
    VM_SCALAR(EnemyPlayedCard),
    VM_SCALAR(EnemyCanAfford),
    VM_SCALAR(HoverSlot),
    VM_SCALAR(DeltaTicks),
    VM_SCALAR(SnapPlayerBlue),
    VM_SCALAR(SnapPlayerRed),
    VM_SCALAR(SnapPlayerYellow),
    VM_SCALAR(SnapPlayerTower),
    VM_SCALAR(SnapPlayerGreen),
    VM_ARRAY(HandCard, 1, 5),
    VM_ARRAY(SlotPendant, 1, 5),
    VM_SCALAR(DropSlot),
    VM_SCALAR(DropY),
    VM_SCALAR(DropSpeed),
    VM_ARRAY(CardCostBlue, 1, 70),
    VM_ARRAY(CardCostRed, 1, 70),
    VM_ARRAY(CardCostYellow, 1, 70),
    VM_ARRAY(CardCostBlueRare, 1, 70),
    VM_ARRAY(CardCostRedRare, 1, 70),
    VM_ARRAY(CardCostYellowRare, 1, 70),
    VM_ARRAY(CardCostGreen, 1, 70),
    VM_SCALAR(MouseX),
    VM_SCALAR(MouseY),
    VM_SCALAR(MusicSwitch),
    VM_SCALAR(FastMode),
    VM_SCALAR(LevelIntroTicks),
    VM_ARRAY(StarX, 1, 1000),
    VM_ARRAY(StarY, 1, 1000),
    VM_ARRAY(StarPhase, 1, 1000),
    VM_ARRAY(SparkDrift, 1, 100),
    VM_ARRAY(SparkAge, 1, 100),
    VM_SCALAR(BoltStepX),
    VM_SCALAR(BoltStepY),
    VM_SCALAR(BoltSpark),
    VM_SCALAR(ShownDelta),
    VM_ARRAY(RainX, 1, 500),
    VM_ARRAY(RainY, 1, 500),
    VM_ARRAY(RainSpeed, 1, 500),
    VM_ARRAY(TrailX, 0, 9),
    VM_ARRAY(TrailY, 0, 9),
    VM_SCALAR(IntroMouseX),
    VM_SCALAR(IntroMouseY),
    VM_SCALAR(TowerRise),
    VM_SCALAR(CloudScroll),
    VM_SCALAR(CloudHalfStep),
    VM_SCALAR(LightningTick),
    VM_SCALAR(LightningX),
    VM_TEXT(VersionText, true),
    VM_SCALAR(StoryScroll),
    VM_SCALAR(MarkerBlink),
    VM_TEXT(TopicFileName, false),
};

#undef VM_SCALAR
#undef VM_ARRAY
#undef VM_TEXT

const char* KindWord(VariableKind kind) {
    switch (kind) {
        case VariableKind::Scalar:
            return "a number";
        case VariableKind::Array:
            return "an array";
        case VariableKind::Text:
            return "a text";
    }
    return "?";
}

const StateVariable& Expect(std::string_view name, VariableKind kind) {
    const StateVariable& v = FindStateVariable(name);
    if (v.kind != kind) {
        throw tk::Error("Game variable '" + std::string(name) + "' is " + KindWord(v.kind) +
                        ", not " + KindWord(kind));
    }
    return v;
}

void CheckIndex(const StateVariable& v, int index) {
    if (index < v.first || index > v.last) {
        throw tk::Error("Index " + std::to_string(index) + " of '" + std::string(v.name) +
                        "' lies outside " + std::to_string(v.first) + ".." +
                        std::to_string(v.last));
    }
}

// Strict decimal integer that fits 32 bits.
int32_t ParseNumber(std::string_view target, std::string_view text) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        throw tk::Error("'" + std::string(text) + "' is not a valid integer value for " +
                        std::string(target));
    }
    return value;
}

// Splits "Name[i]" into name and index; plain "Name" gives no index.
struct Target {
    std::string_view name;
    bool hasIndex = false;
    int index = 0;
};

Target ParseTarget(std::string_view target) {
    Target t{target};
    auto open = target.find('[');
    if (open == std::string_view::npos) return t;
    if (target.back() != ']') throw tk::Error("Bad game variable '" + std::string(target) + "'");
    t.name = target.substr(0, open);
    t.hasIndex = true;
    t.index = ParseNumber(target, target.substr(open + 1, target.size() - open - 2));
    return t;
}

}  // namespace

const std::vector<StateVariable>& AllStateVariables() {
    return kVariables;
}

const StateVariable& FindStateVariable(std::string_view name) {
    for (const StateVariable& v : kVariables) {
        if (v.name == name) return v;
    }
    throw tk::Error("Unknown game variable '" + std::string(name) + "'");
}

int32_t GetScalar(const GameState& state, std::string_view name) {
    return *Expect(name, VariableKind::Scalar).element(const_cast<GameState&>(state), 0);
}

void SetScalar(GameState& state, std::string_view name, int32_t value) {
    *Expect(name, VariableKind::Scalar).element(state, 0) = value;
}

int32_t GetElement(const GameState& state, std::string_view name, int index) {
    const StateVariable& v = Expect(name, VariableKind::Array);
    CheckIndex(v, index);
    return *v.element(const_cast<GameState&>(state), index);
}

void SetElement(GameState& state, std::string_view name, int index, int32_t value) {
    const StateVariable& v = Expect(name, VariableKind::Array);
    CheckIndex(v, index);
    *v.element(state, index) = value;
}

std::string GetText(const GameState& state, std::string_view name) {
    return *Expect(name, VariableKind::Text).text(const_cast<GameState&>(state));
}

void SetText(GameState& state, std::string_view name, std::string value) {
    const StateVariable& v = Expect(name, VariableKind::Text);
    if (v.constant) throw tk::Error("Game variable '" + std::string(name) + "' is a constant");
    *v.text(state) = std::move(value);
}

std::string FormatVariable(const GameState& state, std::string_view target) {
    Target t = ParseTarget(target);
    const StateVariable& v = FindStateVariable(t.name);
    std::string out = std::string(target) + "=";
    if (t.hasIndex) return out + std::to_string(GetElement(state, t.name, t.index));
    switch (v.kind) {
        case VariableKind::Scalar:
            return out + std::to_string(GetScalar(state, t.name));
        case VariableKind::Text:
            return out + GetText(state, t.name);
        case VariableKind::Array:
            for (int i = v.first; i <= v.last; ++i) {
                if (i > v.first) out += ' ';
                out += std::to_string(*v.element(const_cast<GameState&>(state), i));
            }
            return out;
    }
    return out;
}

void AssignVariable(GameState& state, std::string_view target, std::string_view value) {
    Target t = ParseTarget(target);
    const StateVariable& v = FindStateVariable(t.name);
    if (t.hasIndex) {
        SetElement(state, t.name, t.index, ParseNumber(target, value));
    } else if (v.kind == VariableKind::Scalar) {
        SetScalar(state, t.name, ParseNumber(target, value));
    } else if (v.kind == VariableKind::Text) {
        SetText(state, t.name, std::string(value));
    } else {
        throw tk::Error("Game variable '" + std::string(t.name) +
                        "' is an array: set one element as " + std::string(t.name) + "[i]");
    }
}

}  // namespace vm
