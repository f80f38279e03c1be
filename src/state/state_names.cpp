// state_names.cpp -- the name table of the game state and the access by name.
#include "state/state_names.h"

#include <charconv>
#include <type_traits>

#include "state/game_error.h"

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

// One row a variable of state_fields.inc, each ending in a comma.
#define VM_SCALAR(n, start) StateVariable{#n, VariableKind::Scalar, 0, 0, &ScalarOf<&GameState::n>},
#define VM_ARRAY(n, first, last) \
    StateVariable{#n, VariableKind::Array, first, last, &ElementOf<&GameState::n, last>},
#define VM_TEXT(n, start, constant) \
    StateVariable{#n, VariableKind::Text, 0, 0, nullptr, &TextOf<&GameState::n>, constant},

const std::vector<StateVariable> kVariables = {
#include "state/state_fields.inc"
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
        throw GameError("Game variable '" + std::string(name) + "' is " + KindWord(v.kind) +
                        ", not " + KindWord(kind));
    }
    return v;
}

void CheckIndex(const StateVariable& v, int index) {
    if (index < v.first || index > v.last) {
        throw GameError("Index " + std::to_string(index) + " of '" + std::string(v.name) +
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
        throw GameError("'" + std::string(text) + "' is not a valid integer value for " +
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
    if (target.back() != ']') throw GameError("Bad game variable '" + std::string(target) + "'");
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
    throw GameError("Unknown game variable '" + std::string(name) + "'");
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
    if (v.constant) throw GameError("Game variable '" + std::string(name) + "' is a constant");
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
        throw GameError("Game variable '" + std::string(t.name) +
                        "' is an array: set one element as " + std::string(t.name) + "[i]");
    }
}

}  // namespace vm
