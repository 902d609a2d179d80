#include "solver_errors.h"

#include "exact_sine_wave.h"

#include <cmath>

LargestError MeasureLargestError(int column, double b, double v, SolverClock clock,
                                 int firstRow) {
    const double t = ComputeColumnTime(column, b, v, clock);
    const double nu = ComputeStandardViscosity(b, v);
    LargestError largest = {0, firstRow, column};
    for (int row = firstRow; row < kDisplayedRows; ++row) {
        const double exact = ComputeExactWave(ComputeRowPosition(row), t, nu);
        const double error = std::fabs(g_field[row][column] - exact);
        if (error > largest.error) {
            largest.error = error;
            largest.row = row;
        }
    }
    return largest;
}

SteepestFront FindSteepestFront() {
    double steepest = 0;
    int found = 0;
    for (int column = 0; column < kEvolutionSteps; ++column) {
        for (int row = 1; row < kDisplayedRows; ++row) {
            const double rise = std::fabs(g_field[row + 1][column] - g_field[row - 1][column]);
            if (rise > steepest) {
                steepest = rise;
                found = column;
            }
        }
    }
    return {found, steepest / (2 * kPi * kRowSpacing)};
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
