// The one way between screens: every command that changes the screen
// leaves the current one and enters the next through these.
#pragma once

#include <windows.h>

// Leaves the current screen: the propagation drawing and a formation run
// stop, and every control of the screen is destroyed.
void LeaveScreen(HWND window);

// Enters `screen`: sets it, computes what its plot shows (Wave
// propagation its own medium, Wave formation the sliders' values with both
// term fields), creates its controls with the font, starts the propagation
// drawing, and invalidates the window.
void EnterScreen(HWND window, int screen);

// LeaveScreen, then EnterScreen.
void ChangeScreen(HWND window, int screen);

// Lays the current screen out again for the window's present size and
// scale: its controls are made anew, with one repaint; the run (going or
// paused), the values, the magnification, the stages drawn, the keyboard
// focus and a blank screen all stay.
void LayOutScreenAgain(HWND window);

// LayOutScreenAgain when the client area's size or the scale differ from
// those the screen was laid out for; nothing before the first screen.
void LayOutScreenIfResized(HWND window);
