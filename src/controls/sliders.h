// The V and b sliders of the formation screen and their labels.
#pragma once

#include <windows.h>

// Both sliders share one id and both labels another; handles tell them apart.
constexpr int ID_SLIDER = 1201;
constexpr int ID_SLIDER_LABEL = 2;

extern HWND g_viscositySlider;
extern HWND g_nonlinearitySlider;
extern HWND g_viscosityLabel;
extern HWND g_nonlinearityLabel;

// Creates both sliders and labels in the module of `window`; each thumb
// stands at the position of the stored value, and the keyboard focus ends
// on the b slider.
void CreateSliders(HWND window);
void DestroySliders();

// WM_HSCROLL: `lParam` is the trackbar that moved. Stores the table value
// of its position and rewrites its label; nothing is recomputed here.
void StoreSliderMove(LPARAM lParam);
