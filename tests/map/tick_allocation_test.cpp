// tick_allocation_test.cpp -- the map tick allocates no memory and reads no file once it has
// drawn each thing once: with the pointer resting on a card, and through every kind of
// animation and the enemy's move.
#include <cstdlib>
#include <new>

#include "map_fixture.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

// The replacements pair malloc with free themselves, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vm::testing {
namespace {

class TickAllocations : public MapScreen {
  protected:
    // Allocations made by n ticks of the map screen.
    long Count(int n) {
        allocations = 0;
        counting = true;
        for (int i = 0; i < n; ++i)
            Form4->Timer1Timer();
        counting = false;
        return allocations;
    }
    void StartPlay(int card) {
        s.TurnPhase = 1;
        s.PlayerMoveTicks = 100;
        s.PendingPlayerCard = card;
        s.AnimCard = card;
        s.AnimKind = 0;
    }
};

TEST_F(TickAllocations, RestingOnACardAllocatesNothingAndReadsTheDescriptionOnce) {
    EnterBattle(1);
    s.LevelIntroTicks = 50;
    HoverSlot(2);
    s.PlayerMoveTicks = 0;
    Form4->Timer1Timer();  // first read and layout, glyphs, pictures
    Form4->Timer1Timer();
    const auto reads = Form4->Descriptions().FileReads();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(Count(20), 0);
    EXPECT_EQ(Form4->Descriptions().FileReads(), reads);
    EXPECT_TRUE(d.TakeErrors().empty());
}

TEST_F(TickAllocations, EveryAnimationAndTheEnemysMoveAllocateNothing) {
    EnterBattle(1);
    PointAt(20, 150);  // the flask's hover text
    for (int card : {6, 1, 37, 63, 23, 50, 5}) {
        SCOPED_TRACE(card);
        StartPlay(card);
        Form4->Timer1Timer();  // the first tick draws everything once
        Form4->Timer1Timer();
        EXPECT_EQ(Count(30), 0);
    }
    // The enemy's move twice (its pictures and the change display's sizes are new the first
    // time), with a card it can pay and one it cannot.
    for (int pass = 0; pass < 3; ++pass) {
        const int canAfford = pass < 2 ? 1 : 0;
        s.PlayerMoveTicks = 0;
        s.TurnPhase = 2;
        s.EnemyCard = 12;
        s.EnemyCanAfford = canAfford;
        s.EnemyMoveTicks = 30;
        s.DeltaTicks = 20;
        s.SnapPlayerBlue = s.PlayerBlue - 4;
        s.SnapPlayerTower = s.PlayerTower + 3;
        Form4->Timer1Timer();
        const long made = Count(25);
        if (pass > 0) {
            EXPECT_EQ(made, 0) << pass;
        }
    }
    EXPECT_EQ(Count(1), 0);
}

}  // namespace
}  // namespace vm::testing
