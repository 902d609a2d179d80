#include "exact_sine_wave.h"
#include "standard_form.h"
#include "wave_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One per cent of the amplitude: what a lecturer may promise of the plot.
constexpr double kOnePercent = 1e-2;
// Half a unit in the last digit of the published value.
constexpr double kPublishedDigits = 5e-6;

// The reference first: Basdevant et al. (1986) found max |u_x| = 152.00516
// at t = 1.6037 / pi for u(x, 0) = -sin(pi x) and nu = 0.01 / pi, which is
// our sine wave at x = pi, t = 1.6037, nu = 0.01, the slope times pi.
TEST(ExactSolution, ReproducesThePublishedSteepestFront) {
    const double pi = std::acos(-1.0);
    EXPECT_NEAR(-pi * ComputeExactSlope(pi, 1.6037, 0.01), 152.00516, kPublishedDigits);
}

TEST(ExactSolution, IsTheSineAtTimeZeroAndOddAboutItsZeros) {
    EXPECT_DOUBLE_EQ(ComputeExactWave(1.0, 0.0, 0.02), std::sin(1.0));
    const double pi = std::acos(-1.0);
    EXPECT_NEAR(ComputeExactWave(pi + 0.3, 2.0, 0.02), -ComputeExactWave(pi - 0.3, 2.0, 0.02),
                1e-12);
}

// The defaults b = 0.3, V = 0.002 on the plotted rows, as the front forms
// (column 200 is its steepest) and long after, against the exact solution
// on the clock the scheme actually keeps.
TEST(SolverPhysics, DefaultsFollowTheExactSolutionOnTheEffectiveClock) {
    AllocateFieldRows();
    SolveBurgers(0.3, 0.002);
    const double nu = ComputeStandardViscosity(0.3, 0.002);
    for (int column : {200, 250, 1000, 1999}) {
        const double t = ComputeEffectiveTime(column, 0.3, 0.002);
        for (int row = 0; row < kDisplayedRows; ++row) {
            const double exact = ComputeExactWave(ComputeRowPosition(row), t, nu);
            ASSERT_NEAR(g_field[row][column], exact, kOnePercent)
                << "row " << row << ", column " << column;
        }
    }
}

}  // namespace
