// The exact solution of the Burgers equation in its standard form,
// u_t + u u_x = nu u_xx, for the initial wave u(x, 0) = sin x, by the
// Cole-Hopf transformation: on the whole line, and between two walls
// where u is held at zero. Plain standard C++.
#pragma once

// Two points where u is held at zero, left < right.
struct Walls {
    double left;
    double right;
};

// Returns u(x, t) on the whole line. With phi_t = nu phi_xx and
// u = -2 nu phi_x / phi, the heat kernel gives u as a ratio of two
// integrals of positive functions, taken here by 8-point Gauss-Legendre
// panels as wide as the narrowest peak the integrand can have, over the
// whole range where it exceeds e^-40 of its peak. A Fourier (Bessel)
// series would instead sum terms e^(1/nu) times larger than phi near the
// front, and lose 0.43 / nu digits there: all of them for nu below about
// 0.03. Agrees to 4e-13 with a trapezoid sum three points a width, for nu
// from 0.001 to 10 and t from 1e-4 to 200, and to 2e-12 with the Bessel
// series where that still holds its digits (nu >= 0.1). The cost grows as
// sqrt((1 + t) / nu): some 550 points at nu = 0.004, t = 1 and x = pi.
// Requires nu > 0 and t >= 0 (t = 0 returns sin x); checks nothing.
double ComputeExactWave(double x, double t, double nu);

// Returns the slope u_x(x, t) under the same conditions, from the spread
// of the same integrand: u_x = (1 - variance / (2 nu t)) / t; the
// subtraction costs digits at small t (relative error 3e-10 at t = 1e-4).
double ComputeExactSlope(double x, double t, double nu);

// Returns u(x, t) for the same initial wave between the walls, u = 0 at
// both, for left < x < right: phi_x = 0 there, so phi's initial values
// are mirrored about each wall, and the panels also break at the mirror
// points, where phi has a corner. Agrees to 1e-9 with panels a quarter as
// wide (the worst at nu = 0.001, a front next to a wall); same conditions;
// at t = 0 it is sin x between the walls and 0 on them.
double ComputeWalledWave(double x, double t, double nu, Walls walls);
