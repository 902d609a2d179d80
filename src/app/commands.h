// The button commands and the animation timer of the formation screen.
#pragma once

#include <windows.h>

LRESULT OnCommand(HWND window, WPARAM wParam);
LRESULT OnAnimationTick(HWND window);

void StartAnimationTimer(HWND window);
void StopAnimationTimer(HWND window);

// Stops the formation animation: the timer off, "Start" on its button.
void StopAnimation(HWND window);
