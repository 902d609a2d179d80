// Painting of the five screens.
#pragma once

#include <windows.h>

// Copies bitmap resource `id`, scaled to area.right x area.bottom, to the
// top-left corner of the context.
void DrawPicture(HDC dc, int id, const RECT& area);

// Bitmap resource `id` of g_instance scaled to width x height; the same
// bitmap as long as the same picture and size are asked for. The cache
// owns it: callers must not delete it.
HBITMAP GetScaledPicture(int id, int width, int height);

// Paints the current screen on a context; `desktop` is the rectangle the
// picture screens stretch their picture to.
void PaintScreen(HDC dc, HWND window, const RECT& desktop);

LRESULT OnPaint(HWND window);
