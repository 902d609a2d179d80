// The painters of the two animated screens. Both take a device context
// and the main window (for its client size) and read the program-wide
// state; they keep nothing between calls and can paint into any context.
#pragma once

#include <windows.h>

// The "Wave propagation" plot: header, four baselines and 45 stages of
// g_field, pausing 100 ms after each stage.
void PaintPropagation(HDC dc, HWND window);

// The same plot with a chosen pause after each stage (0: none).
void DrawPropagation(HDC dc, HWND window, void (*pauseAfterStage)());

// One frame of the "Wave formation" plot: column g_frame of g_field and
// of both term fields, the diffusion curve magnified by g_scale.
void PaintFormation(HDC dc, HWND window);

// Truncates a plot coordinate toward zero; values beyond what GDI can
// draw are held at its limit instead of overflowing the int.
int TruncateCoordinate(double value);
