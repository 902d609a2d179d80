// Measures of the solution in g_field against the exact one, for the
// accuracy report. Each reads g_field as the caller's last SolveBurgers
// left it; b and v must be the parameters of that solve.
#pragma once

#include "standard_form.h"

struct LargestError {
    double error;
    int row;
    int column;
};

// Largest |u - exact| over the displayed rows from firstRow on, in one
// column, the exact solution taken at the column's time on `clock`.
LargestError MeasureLargestError(int column, double b, double v, SolverClock clock,
                                 int firstRow);

struct SteepestFront {
    int column;
    double slope;  // |u_x| in the standard form
};

// Where the profile is steepest on the displayed rows over columns 0 to
// 1999, by the largest central difference of g_field.
SteepestFront FindSteepestFront();

// The time at which the exact front, at x = pi, is steepest: the largest
// -u_x(pi, t), searched between t = 1 and t = 3, where it lies for every
// nu from 0.001 to 0.2.
double FindSteepestTime(double nu);
