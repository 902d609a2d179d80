// The exact solution of the Burgers equation in its standard form,
// u_t + u u_x = nu u_xx, for the initial wave u(x, 0) = sin x on the whole
// line, by the Cole-Hopf transformation. Plain standard C++.
#pragma once

// Returns u(x, t). With phi_t = nu phi_xx and u = -2 nu phi_x / phi, the
// heat kernel gives u as a ratio of two integrals of positive functions,
// taken here by the trapezoid rule on a step a third of the narrowest
// width the integrand can have, over the whole range where it exceeds
// e^-40 of its peak; a Fourier (Bessel) series would instead subtract
// numbers near e^(1/(2 nu)) and lose every digit for nu below about 0.01.
// Accurate to about 1e-13 for nu from 0.001 to 10 and t from 0 to 200;
// the cost grows as sqrt((1 + t) / nu), some 300 points at nu = 0.004 and
// t = 1. Requires nu > 0 and t >= 0 (t = 0 returns sin x); checks nothing.
double ComputeExactWave(double x, double t, double nu);

// Returns the slope u_x(x, t) under the same conditions, from the spread
// of the same integrand: u_x = (1 - variance / (2 nu t)) / t.
double ComputeExactSlope(double x, double t, double nu);
