// The clock of a formation run: every tick advances the wave by the same
// distance in xi whatever V is, the distance four columns advance it at
// the default V. The solver's columns advance xi by less the larger V is
// (standard_form.h), so a tick shows more columns at a larger V.
#pragma once

// The viscosity whose run shows every fourth column: its pace is the clock's.
constexpr double kClockViscosity = 0.002;

// The xi that one tick advances: four default columns' effective distance.
double ComputeTickDistance();

// The computed column whose effective distance is nearest to tick times
// the tick's distance, at most the last frame, kLastFrame. At the default
// V this is column 4 tick.
int ComputeRunColumn(int tick, double v);

// The last tick of a run at V: the default run's length in xi (its last
// frame, 1996) or the last frame V computes, whichever comes first.
int ComputeLastRunTick(double v);

// The tick whose column `column` is: the inverse of ComputeRunColumn on
// its columns, exact while a tick spans more than one column, as it does
// across the V slider (1.4 columns at V = 0.0005). Other columns give the
// nearest tick.
int ComputeRunTick(int column, double v);

// How much of the run at V a column shows, from 0 at its start to 1 at
// its last tick.
double ComputeRunProgress(int column, double v);
