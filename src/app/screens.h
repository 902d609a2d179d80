// Painting the main window: the current screen, through the table of
// screens, with the program's own pictures.
#pragma once

#include <windows.h>

#include "screen_table.h"

// What the painters are to show now on a screen of `size`: the program's
// pictures, the frame, the magnification, the propagation stages drawn so
// far, and the projector mode's widths and caption.
ScreenView ReadScreenView(SIZE size);

// Paints the current screen on a context as the window shows it: pictures
// and plots over the window's client area, or the blank screen's colour.
void PaintCurrentScreen(HDC dc, HWND window);

LRESULT OnPaint(HWND window);
