// state_names.h -- every game state variable by its name: read and write it from a script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/game_state.h"

namespace vm {

enum class VariableKind { Scalar, Array, Text };

struct StateVariable {
    std::string_view name;
    VariableKind kind;
    int first = 0;  // game index range of an array, inclusive
    int last = 0;
    int32_t* (*element)(GameState&, int index) = nullptr;  // scalar: index ignored
    std::string* (*text)(GameState&) = nullptr;
    bool constant = false;
};

// All variables in declaration order.
const std::vector<StateVariable>& AllStateVariables();
// The variable of that exact name; GameError "Unknown game variable 'X'" otherwise.
const StateVariable& FindStateVariable(std::string_view name);

// Scalars and texts by name; arrays by name and the game's own index (GameError on a wrong
// kind, an unknown name or an index outside the range).
int32_t GetScalar(const GameState& state, std::string_view name);
void SetScalar(GameState& state, std::string_view name, int32_t value);
int32_t GetElement(const GameState& state, std::string_view name, int index);
void SetElement(GameState& state, std::string_view name, int index, int32_t value);
std::string GetText(const GameState& state, std::string_view name);
void SetText(GameState& state, std::string_view name, std::string value);

// "Name=value" for a scalar or text, "Name=v1 v2 ..." over the game's index range of an array;
// "Name[i]=value" for one element.
std::string FormatVariable(const GameState& state, std::string_view target);
// Assign "Name" or "Name[i]" from text: a decimal integer for numbers, the text as it stands for
// texts. GameError on anything that does not fit.
void AssignVariable(GameState& state, std::string_view target, std::string_view value);

}  // namespace vm
