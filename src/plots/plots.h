// The painters of the two animated screens. Each paints on any device
// context over (0, 0)-size, reading the solution and the term fields of
// the model and what the view says; none of them needs a window. The one
// thing kept between paints is the last scaled picture (pictures.h); the
// point buffer's contents mean nothing between calls.
#pragma once

#include <windows.h>

#include "screen_view.h"

// Abscissa advance per plotted grid row in both plots: kPi / 703, to the
// digits the plots have always used.
constexpr double kPlotStep = 0.004468837345078237;

// The formation plot's polylines are built in this one buffer.
constexpr int kPlotPointCount = 703;
extern POINT* g_plotPoints;

// The "Wave propagation" plot: white, the header picture, four baselines
// and the first view.stages of its stages of g_field (all of them unless
// the view says otherwise), then the caption if the view asks for it.
void PaintPropagation(HDC dc, SIZE size, int header, const ScreenView& view);

// Where stage `stage` (0 to kPropagationStages - 1) draws on a plot of
// `size` with curves `curveWidth` wide (0: the plain pen): what must be
// painted again to add that stage to the ones before it. Empty when the
// stage draws nothing.
RECT ComputeStageArea(SIZE size, int stage, int curveWidth);

// One frame of the "Wave formation" plot: the background picture in
// pieces beside the plot (formation_background.h), the axes, and column view.frame of g_field and of both term
// fields, the viscous term magnified by view.scale, and the caption if the
// view asks for it.
void PaintFormation(HDC dc, SIZE size, int background, const ScreenView& view);

// Truncates a plot coordinate toward zero; values beyond what GDI can
// draw are held at its limit instead of overflowing the int.
int TruncateCoordinate(double value);
