// The timer's firing rule and the loop's order on the headless host's virtual clock.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "toolkit/error.h"
#include "toolkit/host/headless_host.h"
#include "toolkit/ui/application.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/timer.h"

namespace {

struct Loop {
    tk::HeadlessHost* host;
    tk::Application app;
    Loop() : Loop(std::make_unique<tk::HeadlessHost>()) {}
    explicit Loop(std::unique_ptr<tk::HeadlessHost> h) : host(h.get()), app(std::move(h)) {}
};

TEST(Timer, FiresEveryIntervalFromWhenItWasEnabled) {
    Loop loop;
    tk::Timer t(loop.app, "T", 80, false);
    std::vector<std::int64_t> fired;
    t.onTimer = [&] { fired.push_back(loop.host->NowMs()); };
    loop.app.AdvanceTime(30);
    t.SetEnabled(true);  // due at 110
    loop.app.AdvanceTime(300);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{110, 190, 270}));
    EXPECT_EQ(loop.host->NowMs(), 330);
}

TEST(Timer, IntervalChangeStartsAFreshIntervalButTheSameIntervalChangesNothing) {
    Loop loop;
    tk::Timer t(loop.app, "T", 80, true);
    std::vector<std::int64_t> fired;
    t.onTimer = [&] { fired.push_back(loop.host->NowMs()); };
    loop.app.AdvanceTime(50);
    t.SetInterval(80);  // unchanged: still due at 80
    loop.app.AdvanceTime(40);
    t.SetInterval(40);  // fresh interval from 90: due at 130, 170
    loop.app.AdvanceTime(90);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{80, 130, 170}));
}

TEST(Timer, SlowHandlerDelaysTheNextTickWhichFiresOnceWithoutCatchingUp) {
    Loop loop;
    tk::Timer t(loop.app, "T", 10, true);
    std::vector<std::int64_t> fired;
    t.onTimer = [&] {
        fired.push_back(loop.host->NowMs());
        if (fired.size() == 1) loop.host->AdvanceClock(35);  // the handler runs 35 ms
    };
    loop.app.AdvanceTime(60);
    // Started at 10, next due at 20 but the handler ended at 45: one tick at 45, then every 10.
    ASSERT_GE(fired.size(), 3u);
    EXPECT_EQ(fired[0], 10);
    EXPECT_EQ(fired[1], 45);
    EXPECT_EQ(fired[2], 55);
}

TEST(Timer, TimersDueTogetherFireInCreationOrderAndDisabledOnesNever) {
    Loop loop;
    std::vector<int> order;
    tk::Timer a(loop.app, "A", 100, true);
    tk::Timer b(loop.app, "B", 50, true);
    tk::Timer c(loop.app, "C", 10, false);
    a.onTimer = [&] { order.push_back(1); };
    b.onTimer = [&] { order.push_back(2); };
    c.onTimer = [&] { order.push_back(3); };
    loop.app.AdvanceTime(100);
    EXPECT_EQ(order, (std::vector<int>{2, 1, 2}));
}

TEST(Loop, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
    Loop loop;
    tk::Timer t(loop.app, "T", 10, true);
    int ticks = 0;
    t.onTimer = [&] {
        if (++ticks == 1) throw tk::Error("Cannot open file lost.txt");
    };
    loop.app.AdvanceTime(30);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(loop.host->TakeErrors(), std::vector<std::string>{"Cannot open file lost.txt"});
}

TEST(Loop, ClosingTheMainFormEndsTheLoopAndOtherFormsOnlyHide) {
    Loop loop;
    tk::WindowSpec spec;
    spec.clientWidth = 100;
    spec.clientHeight = 100;
    tk::Form main(loop.app, "Main", spec);
    tk::Form other(loop.app, "Other", spec);
    main.Show();
    other.Show();
    other.Close();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(loop.app.Terminated());
    tk::Timer t(loop.app, "T", 10, true);
    int ticks = 0;
    t.onTimer = [&] {
        if (++ticks == 2) main.Close();
    };
    loop.app.AdvanceTime(1000);
    EXPECT_TRUE(loop.app.Terminated());
    EXPECT_EQ(ticks, 2);  // nothing runs after the end
}

TEST(HeadlessHost, TimeOfDayFollowsTheVirtualClockAndWrapsAtMidnight) {
    auto host = std::make_unique<tk::HeadlessHost>(86399990);
    host->AdvanceClock(25);
    EXPECT_EQ(host->MsOfDayUtc(), 15u);
    host->SetClock(1000);
    host->AdvanceClock(5);
    EXPECT_EQ(host->MsOfDayUtc(), 1005u);
}

}  // namespace
