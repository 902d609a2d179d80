// Where the solver's rows and columns lie in the standard form of the
// Burgers equation, u_t + u u_x = nu u_xx with u(x, 0) = sin x. The solver
// solves u_xi + b u u_eta = V u_eta_eta for sin(pi eta); with x = pi eta
// and t = b pi xi this is the standard form with nu = pi V / b.
#pragma once

#include "wave_model.h"

// The formation plot draws the profile from rows 0 to 479.
constexpr int kDisplayedRows = 480;

// The solver's spacings: h between rows, tau between columns.
constexpr double kRowSpacing = kPi / kProfileSamples;
constexpr double kColumnSpacing = (100.0 - 0.0) / kEvolutionSteps;

// x of a solver row: row r holds eta = (r + 1) h, so x = pi (r + 1) h.
// Rows 0 and 698 are held at zero by the solver, wherever x lies.
double ComputeRowPosition(int row);

// nu = pi V / b, the inverse of the Reynolds number b / (pi V). b > 0.
double ComputeStandardViscosity(double b, double v);

// How far in xi one solver column advances a smooth profile. Each column
// is two Jacobi sweeps, from the old profile, of the implicit step whose
// centre is divided by 1 + 2 lambda; to first order in the step they
// advance xi by tau m (2 - m), m = 1 / (1 + 2 lambda), lambda = tau V / h^2,
// not by tau: 0.175 tau at V = 0.002.
double ComputeEffectiveColumnSpacing(double v);

// t of a solver column on the effective clock, xi = column tau m (2 - m).
double ComputeEffectiveTime(int column, double b, double v);

// t of a solver column on the stated clock, xi = column tau.
double ComputeStatedTime(int column, double b);

enum SolverClock { EffectiveClock, StatedClock };

// t of a solver column on either clock.
double ComputeColumnTime(int column, double b, double v, SolverClock clock);
