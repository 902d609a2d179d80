// The painters of the two animated screens. Each paints on any device
// context over (0, 0)-size, reading the solution and the term fields of
// the model and what the view says; none of them needs a window. The one
// thing kept between paints is the last scaled picture (pictures.h); the
// point buffer's contents mean nothing between calls.
#pragma once

#include <windows.h>

#include "screen_view.h"

// Abscissa advance per plotted grid row in both plots: kPi / 703.
extern const double g_plotStep;

// The formation plot's polylines are built in this one buffer.
constexpr int kPlotPointCount = 703;
extern POINT* g_plotPoints;

// The "Wave propagation" plot: white, the header picture, four baselines
// and 45 stages of g_field, then the caption if the view asks for it.
// With view.stageClock, stage k ends with a pause until 100 ms x k after
// the paint began, so that the 45 pauses last 4.5 s in all, however
// coarsely the clock's sleep rounds.
void PaintPropagation(HDC dc, SIZE size, int header, const ScreenView& view);

// The program's stage clock: the performance counter and Sleep.
extern const StageClock kSystemStageClock;

// Sleeps on `clock` until it reads `deadline` or later; returns at once
// when that time has passed.
void WaitUntil(const StageClock& clock, double deadline);

// One frame of the "Wave formation" plot: the background picture in
// pieces beside the plot (formation_background.h), the axes, and column view.frame of g_field and of both term
// fields, the viscous term magnified by view.scale, and the caption if the
// view asks for it.
void PaintFormation(HDC dc, SIZE size, int background, const ScreenView& view);

// Truncates a plot coordinate toward zero; values beyond what GDI can
// draw are held at its limit instead of overflowing the int.
int TruncateCoordinate(double value);
