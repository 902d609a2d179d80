// Painting of the five screens.
#pragma once

#include <windows.h>

// Loads bitmap resource `id` scaled to area.right x area.bottom and copies
// it to the top-left corner of the context; nothing is kept afterwards.
void DrawPicture(HDC dc, int id, const RECT& area);

// Paints the current screen on a context; `desktop` is the rectangle the
// picture screens stretch their picture to.
void PaintScreen(HDC dc, HWND window, const RECT& desktop);

LRESULT OnPaint(HWND window);
