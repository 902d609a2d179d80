// The run's clock: every tick the same distance in xi at any V, the
// default run every fourth column, and a run that ends where the default
// run or the computed evolution does.
#include "run_clock.h"
#include "slider_tables.h"
#include "standard_form.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RunClock, EveryTickAdvancesTheSameDistanceUntilTheRunEnds) {
    // The default run: every fourth column. 0.0005: the default run's
    // length comes first, at column 709; 0.004: the last frame, 1993.
    for (const double v : {0.002, 0.0005, 0.004}) {
        SCOPED_TRACE(v);
        const double column = ComputeEffectiveColumnSpacing(v);
        for (int tick = 0; tick <= ComputeLastRunTick(v); ++tick) {
            const int shown = ComputeRunColumn(tick, v);
            ASSERT_LE(std::fabs(shown * column - tick * ComputeTickDistance()), column / 2) << tick;
            if (v == 0.002) {
                ASSERT_EQ(shown, 4 * tick);
            }
        }
        EXPECT_EQ(ComputeRunProgress(ComputeRunColumn(ComputeLastRunTick(v), v), v), 1.0);
    }
    EXPECT_EQ(ComputeLastRunTick(0.002), 499);
    EXPECT_EQ(ComputeRunColumn(ComputeLastRunTick(0.0005), 0.0005), 709);
    EXPECT_EQ(ComputeLastRunTick(0.004), 267);
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
