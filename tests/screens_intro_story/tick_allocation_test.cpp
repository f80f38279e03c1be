// tick_allocation_test.cpp -- once warmed up, the intro's and the story's ticks allocate nothing:
// every allocation of this test program is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "screens/intro/intro_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace vm {
namespace {

long AllocationsDuring(GameDriver& d, int ms) {
    const long before = allocations;
    d.Wait(ms);
    return allocations - before;
}

TEST(TickAllocations, IntroAndStoryTicksAllocateNothing) {
    GameDriver d;
    d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
    d.Wait(2600);  // through a lightning cycle, with every picture decoded once
    d.Move(*Form2, 300, 300);
    EXPECT_EQ(AllocationsDuring(d, 1000), 0);
    Form2->Image1Click();
    d.Wait(150);
    EXPECT_EQ(AllocationsDuring(d, 7500), 0);
}

}  // namespace
}  // namespace vm
