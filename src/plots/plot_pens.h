// The pens of both plots: the widths the plots have always drawn with, or
// the projector mode's strong lines, and switching pens on a context so
// that it always gets its own pen back and nothing leaks.
#pragma once

#include <windows.h>

#include "screen_view.h"

// The plots' colours. The black of the formation plot carries red 4 on
// purpose; the propagation plot draws in plain black.
constexpr COLORREF kPlotBlack = RGB(4, 0, 0);
constexpr COLORREF kPlotRed = RGB(255, 0, 0);
constexpr COLORREF kPlotBlue = RGB(0, 0, 255);
constexpr COLORREF kPropagationBlack = RGB(0, 0, 0);

// Projector mode over a client area `height` pixels high: curves
// max(3, round(height / 256)) pixels wide, the other lines about half that
// and at least 2.
void SetProjectorWidths(ScreenView& view, int height);

// A solid or dashed pen of `width`, or of `projectorWidth` with round ends
// and joins when that is not 0; a dashed pen wider than 1 keeps its dashes.
// Null when GDI cannot make it.
HPEN CreatePlotPen(int style, int width, int projectorWidth, COLORREF colour);

// Makes `pen` current and deletes the pen it displaces, unless that is
// `own`, the context's pen on entry. A null pen leaves `own` current, so
// that nothing leaks and the lines still appear.
void SwitchPen(HDC dc, HGDIOBJ own, HPEN pen);

// Gives the context its own pen back and deletes the last one made.
void RestorePen(HDC dc, HGDIOBJ own);
