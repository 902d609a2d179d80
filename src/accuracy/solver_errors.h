// Measures of the solution in g_field against the exact one, for the
// accuracy report and the physics tests. Each reads g_field as the
// caller's last SolveBurgers left it; b and v must be that solve's.
#pragma once

#include "exact_sine_wave.h"
#include "standard_form.h"

// The profiles a measure compares, each at a column's time.
enum Profile {
    SolverProfile,  // g_field itself
    PeriodicWave,   // the exact wave on the whole line, periodic
    WalledWave,     // the exact wave held at zero where the solver holds
                    // rows 0 and 698, one sample off the sine's zeros
};

// Where the solver holds the wave at zero: rows 0 and 698.
Walls FindSolverWalls();

struct LargestGap {
    double gap;
    int row;
    int column;
};

// Largest |first - second| over the displayed rows, in the columns from
// firstColumn to lastColumn in steps of `step`, the exact waves taken at
// each column's time on `clock`.
LargestGap MeasureLargestGap(Profile first, Profile second, double b, double v,
                             SolverClock clock, int firstColumn, int lastColumn, int step);

struct SteepestFront {
    int column;
    double slope;  // |u_x| in the standard form
};

// The program's steepest slope in one column, by the largest centred
// difference (over two row spacings), rows 1 to 479.
double MeasureColumnSlope(int column);

// Where the program's profile is steepest over columns 0 to 1999, as
// MeasureColumnSlope measures each.
SteepestFront FindSteepestFront();

// The exact wave measured the same way: sampled at the same rows on the
// effective clock, in the columns around its steepest time.
SteepestFront FindSampledExactFront(double b, double v);

// The time at which the exact front, at x = pi, is steepest: the largest
// -u_x(pi, t), searched between t = 1 and t = 3, where it lies for every
// nu from 0.001 to 0.2.
double FindSteepestTime(double nu);
