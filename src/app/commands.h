// The button commands of the five screens, and the sliders' moves.
#pragma once

#include <windows.h>

// WM_COMMAND: runs the command of the low word of wParam when its button
// is on the current screen; any other command changes nothing.
LRESULT OnCommand(HWND window, WPARAM wParam);

// WM_HSCROLL from a slider: stores its value and rewrites its label; in
// the projector mode also computes the new run at once.
LRESULT OnSliderScroll(HWND window, LPARAM lParam);
