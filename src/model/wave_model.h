// The wave model: the precomputed evolution of a sine wave under the
// Burgers equation, and the two term fields derived from it.
// Plain standard C++; no platform headers.
#pragma once

// An array of row pointers, each row a separate array of doubles,
// addressed grid[row][column]. A row is one sample along the wave
// profile, a column one evolution step, so a column is a whole profile.
using Grid = double**;

// Twelve digits on purpose: every spacing of the model derives from
// this value, not from the full-precision pi.
constexpr double kPi = 3.14159265359;
constexpr int kProfileSamples = 700;
constexpr int kEvolutionSteps = 2000;
// The solution grids carry three spare rows and columns; row 700 is a
// zero row that the diffusion stencil reads at row 699.
constexpr int kFieldRows = kProfileSamples + 3;
constexpr int kFieldColumns = kEvolutionSteps + 3;
// Byte alignment of every solution-grid row.
constexpr int kFieldRowAlignment = 64;

// The solution (u) and the predictor of the latest solve (w). Their
// row-pointer arrays exist from static initialisation on; the rows come
// from AllocateFieldRows.
extern Grid g_field;
extern Grid g_fieldNext;

// Current parameters of the formation screen, written by the sliders.
extern double g_viscosity;     // V, 0.002 at start
extern double g_nonlinearity;  // b, 0.3 at start

// Allocates the 703 rows of g_field, then those of g_fieldNext, each
// 2003 doubles, left uninitialised. Call once, before the first solve.
void AllocateFieldRows();

// The b and V of the latest solve: the run that g_field holds.
extern double g_solvedNonlinearity;
extern double g_solvedViscosity;

// Computes the whole evolution for nonlinearity b and viscosity v:
// rows 0..700, columns 0..1999 of g_field, and the predictor values in
// g_fieldNext. Allocates nothing and checks nothing; for b several times
// larger than 0.4 the scheme overflows.
void SolveBurgers(double b, double v);

// The medium the Wave propagation screen always shows, whatever the
// sliders say.
constexpr double kPropagationNonlinearity = 0.12;
constexpr double kPropagationViscosity = 0.003;

// The formation animation shows every fourth column of the evolution,
// from frame 0 to the last frame, 1996 (the term fields end at 1999).
constexpr int kFrameAdvance = 4;
constexpr int kLastFrame = 1996;

// The term fields that the formation plot shows, built from the current
// solution; null until the first build.
extern Grid g_diffusionTerm;
extern Grid g_nonlinearTerm;

// Span over which the diffusion term lays out the profile's samples.
constexpr double kDiffusionSpan = 6.283185307;

// New 700 x 2000 field of g_viscosity times the second difference of
// g_field, with the samples laid out over the span `length`. Row 0 is 0.
// Throws std::bad_alloc, leaking nothing, when memory runs out.
Grid ComputeDiffusionTerm(double length);

// New 700 x 2000 field of g_nonlinearity times g_field; as above.
Grid ComputeNonlinearTerm();

// Releases a field returned by one of the two builders; null is allowed.
void FreeTermField(Grid field);

// Fills g_diffusionTerm and g_nonlinearTerm from the current solution,
// g_viscosity and g_nonlinearity, in place: the fields are allocated by
// the first build and kept. A failed allocation (std::bad_alloc) leaves
// both globals null, never pointing at freed rows, and leaks nothing.
void RebuildTermFields();
