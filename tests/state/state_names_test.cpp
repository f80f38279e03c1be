// state_names_test.cpp -- reading and writing the game state by name, as the script driver does.
#include <gtest/gtest.h>

#include <set>

#include "state/game_error.h"
#include "state/state_names.h"

namespace vm {
namespace {

TEST(StateNames, PrintsAndSetsByTheGamesOwnIndex) {
    GameState s;
    s.HandCard = {0, 12, 40, 7, 7, 63};
    EXPECT_EQ(FormatVariable(s, "HandCard"), "HandCard=12 40 7 7 63");
    AssignVariable(s, "HandCard[1]", "5");
    EXPECT_EQ(s.HandCard[1], 5);
    EXPECT_EQ(FormatVariable(s, "HandCard[1]"), "HandCard[1]=5");
    AssignVariable(s, "Achievements[0]", "1");
    AssignVariable(s, "Achievements[29]", "1");
    EXPECT_EQ(s.Achievements[0], 1);
    EXPECT_EQ(s.Achievements[29], 1);
    AssignVariable(s, "EnemyTower", "-7");
    EXPECT_EQ(s.EnemyTower, -7);
    EXPECT_EQ(FormatVariable(s, "Level"), "Level=1");
    EXPECT_EQ(FormatVariable(s, "VersionText"), "VersionText=1.7(b) 12/04/10");
    AssignVariable(s, "TopicFileName", "help3.txt");
    EXPECT_EQ(s.TopicFileName, "help3.txt");
    SetElement(s, "StarX", 1000, 77);
    EXPECT_EQ(s.StarX[1000], 77);
    SetElement(s, "TrailY", 0, 9);
    EXPECT_EQ(s.TrailY[0], 9);
}

TEST(StateNames, RejectsWrongNamesIndexesAndValuesClearly) {
    GameState s;
    auto message = [&](auto action) {
        try {
            action();
        } catch (const vm::GameError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { FormatVariable(s, "PlayerTowr"); }),
              "Unknown game variable 'PlayerTowr'");
    EXPECT_EQ(message([&] { AssignVariable(s, "HandCard[0]", "3"); }),
              "Index 0 of 'HandCard' lies outside 1..5");
    EXPECT_EQ(message([&] { AssignVariable(s, "HandCard[6]", "3"); }),
              "Index 6 of 'HandCard' lies outside 1..5");
    EXPECT_EQ(message([&] { AssignVariable(s, "Achievements[30]", "1"); }),
              "Index 30 of 'Achievements' lies outside 0..29");
    EXPECT_NE(message([&] { AssignVariable(s, "Level", "3x"); }).find("not a valid integer"),
              std::string::npos);
    EXPECT_NE(message([&] { AssignVariable(s, "Level", "99999999999"); }), "no error");
    EXPECT_NE(message([&] { AssignVariable(s, "HandCard", "3"); }), "no error");
    EXPECT_NE(message([&] { AssignVariable(s, "VersionText", "2.0"); }), "no error");
    EXPECT_NE(message([&] { GetScalar(s, "HandCard"); }), "no error");
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.VersionText, "1.7(b) 12/04/10");
}

TEST(StateNames, EveryVariableOnceAndReachable) {
    std::set<std::string_view> names;
    GameState s;
    for (const StateVariable& v : AllStateVariables()) {
        EXPECT_TRUE(names.insert(v.name).second) << v.name;
        if (v.kind == VariableKind::Array) {
            // Writing the last element and reading it back reaches the array's own storage.
            SetElement(s, v.name, v.last, 4242);
            EXPECT_EQ(GetElement(s, v.name, v.last), 4242) << v.name;
        }
    }
    EXPECT_EQ(names.size(), 98u);  // the record declares 98 variables besides the generator
    EXPECT_EQ(s.CardCostGreen[70], 4242);
    EXPECT_EQ(s.RainSpeed[500], 4242);
    EXPECT_EQ(s.SparkAge[100], 4242);
}

}  // namespace
}  // namespace vm
