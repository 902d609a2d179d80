#include "solver_errors.h"

#include <cmath>
#include <vector>

namespace {

// The sampled exact front is sought this many columns either side of the
// column its true steepest time falls in.
constexpr int kFrontSearchColumns = 15;

double ReadProfile(Profile profile, int row, int column, double t, double nu) {
    if (profile == SolverProfile) {
        return g_field[row][column];
    }
    const double x = ComputeRowPosition(row);
    return profile == PeriodicWave ? ComputeExactWave(x, t, nu)
                                   : ComputeWalledWave(x, t, nu, FindSolverWalls());
}

// Slope in the standard form from a difference across two rows.
double ComputeSampledSlope(double above, double below) {
    return std::fabs(above - below) / (2 * kPi * kRowSpacing);
}

}  // namespace

Walls FindSolverWalls() {
    return {ComputeRowPosition(0), ComputeRowPosition(kProfileSamples - 2)};
}

LargestGap MeasureLargestGap(Profile first, Profile second, double b, double v,
                             SolverClock clock, int firstColumn, int lastColumn, int step) {
    const double nu = ComputeStandardViscosity(b, v);
    LargestGap largest = {-1, 0, firstColumn};
    for (int column = firstColumn; column <= lastColumn; column += step) {
        const double t = ComputeColumnTime(column, b, v, clock);
        for (int row = 0; row < kDisplayedRows; ++row) {
            const double gap = std::fabs(ReadProfile(first, row, column, t, nu) -
                                         ReadProfile(second, row, column, t, nu));
            if (gap > largest.gap) {
                largest = {gap, row, column};
            }
        }
    }
    return largest;
}

double MeasureColumnSlope(int column) {
    double steepest = 0;
    for (int row = 1; row < kDisplayedRows; ++row) {
        steepest = std::fmax(steepest, ComputeSampledSlope(g_field[row + 1][column],
                                                           g_field[row - 1][column]));
    }
    return steepest;
}

SteepestFront FindSteepestFront() {
    SteepestFront steepest = {0, 0};
    for (int column = 0; column < kEvolutionSteps; ++column) {
        const double slope = MeasureColumnSlope(column);
        if (slope > steepest.slope) {
            steepest = {column, slope};
        }
    }
    return steepest;
}

SteepestFront FindSampledExactFront(double b, double v) {
    const double nu = ComputeStandardViscosity(b, v);
    const int centre = static_cast<int>(std::lround(FindSteepestTime(nu) /
                                                    ComputeEffectiveTime(1, b, v)));
    SteepestFront steepest = {0, 0};
    std::vector<double> u(kDisplayedRows + 1);
    for (int column = centre - kFrontSearchColumns; column <= centre + kFrontSearchColumns;
         ++column) {
        const double t = ComputeEffectiveTime(column, b, v);
        for (int row = 0; row <= kDisplayedRows; ++row) {
            u[row] = ComputeExactWave(ComputeRowPosition(row), t, nu);
        }
        for (int row = 1; row < kDisplayedRows; ++row) {
            const double slope = ComputeSampledSlope(u[row + 1], u[row - 1]);
            if (slope > steepest.slope) {
                steepest = {column, slope};
            }
        }
    }
    return steepest;
}

double FindSteepestTime(double nu) {
    const double pi = std::acos(-1.0);
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double low = 1, high = 3;
    while (high - low > 1e-9) {
        const double left = high - golden * (high - low);
        const double right = low + golden * (high - low);
        if (ComputeExactSlope(pi, left, nu) < ComputeExactSlope(pi, right, nu)) {
            high = right;
        } else {
            low = left;
        }
    }
    return (low + high) / 2;
}
