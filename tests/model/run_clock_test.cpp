// The run's clock: every tick the same distance in xi at any V, the
// default run every fourth column, and a run that ends where the default
// run or the computed evolution does.
#include "run_clock.h"
#include "slider_tables.h"
#include "standard_form.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RunClock, TheDefaultRunShowsEveryFourthColumnToTheLastFrame) {
    for (int tick = 0; tick <= 499; ++tick) {
        ASSERT_EQ(ComputeRunColumn(tick, 0.002), 4 * tick) << tick;
    }
    EXPECT_EQ(ComputeLastRunTick(0.002), 499);
    EXPECT_EQ(ComputeRunProgress(998, 0.002), 0.5);
}

TEST(RunClock, EveryTickAdvancesTheSameDistanceAtBothEndsOfTheSlider) {
    struct End {
        double v;
        int lastTick;
    };
    // 0.0005: the default run's length comes first; 0.004: the last frame.
    for (const End end : {End{0.0005, 499}, End{0.004, 267}}) {
        SCOPED_TRACE(end.v);
        const double column = ComputeEffectiveColumnSpacing(end.v);
        for (int tick = 0; tick <= end.lastTick; ++tick) {
            ASSERT_LE(std::fabs(ComputeRunColumn(tick, end.v) * column -
                                tick * ComputeTickDistance()),
                      column / 2)
                << tick;
        }
        EXPECT_EQ(ComputeLastRunTick(end.v), end.lastTick);
        EXPECT_EQ(ComputeRunProgress(ComputeRunColumn(end.lastTick, end.v), end.v), 1.0);
    }
    EXPECT_EQ(ComputeRunColumn(499, 0.0005), 709);
    EXPECT_LE(ComputeRunColumn(267, 0.004), kLastFrame);
    EXPECT_GT(268 * ComputeTickDistance() / ComputeEffectiveColumnSpacing(0.004), kLastFrame + 0.5);
}

TEST(RunClock, AColumnTellsItsTickAtEveryViscosityOfTheSlider) {
    for (double v : kViscosityTable) {
        for (int tick = 0; tick <= ComputeLastRunTick(v); ++tick) {
            ASSERT_EQ(ComputeRunTick(ComputeRunColumn(tick, v), v), tick) << v << " " << tick;
        }
    }
}

}  // namespace
