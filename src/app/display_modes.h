// What a lecturer changes about how the screen looks, on any screen: the
// projector mode and the blank screen of a presentation remote.
#pragma once

#include <windows.h>

// P: the projector mode on or off. Turned on over Wave formation whose
// sliders were moved since the run was computed, it computes the run of
// the sliders (as Reset does), so that the plot shows what the labels say.
void ToggleProjector(HWND window);

// Covers the window with `colour` and hides every control; the running
// animation and the propagation drawing hold.
void BlankScreen(HWND window, COLORREF colour);

// The control that gets the keyboard focus back when the blank goes.
HWND ReadFocusBeforeBlank();

// Under a blank screen, after the screen's controls were made anew: they
// are hidden as the old ones were, and `focus` gets the focus when the
// blank goes.
void HideControlsAgain(HWND window, HWND focus);

// Brings back the screen that the blank covered, controls and keyboard
// focus as they were.
void RestoreScreen(HWND window);
