// The V and b sliders of the formation screen and their labels.
#pragma once

#include <windows.h>

// Creates both sliders and labels; each thumb stands at the position of
// the stored value, and the keyboard focus ends on the b slider.
void CreateSliders(HWND window);
void DestroySliders();

// WM_HSCROLL: `lParam` is the trackbar that moved. Stores the table value
// of its position and rewrites its label; nothing is recomputed.
LRESULT OnSliderScroll(HWND window, LPARAM lParam);
