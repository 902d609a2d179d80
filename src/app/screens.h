// Painting the main window: the current screen, through the table of
// screens, with the program's own pictures.
#pragma once

#include <windows.h>

#include "screen_table.h"

// What the painters are to show now: the program's pictures, the frame,
// the magnification, and the clock that paces the propagation stages.
ScreenView ReadScreenView();

// Paints the current screen on a context as the window shows it: pictures
// stretched to the desktop, plots over the window's client area.
void PaintCurrentScreen(HDC dc, HWND window);

LRESULT OnPaint(HWND window);
