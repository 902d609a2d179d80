// The keyboard and the mouse, before a message reaches its window: the
// program's keys (for a lecturer away from the mouse, or a presentation
// remote), Tab and Enter, and clicks that would land on a screen that the
// first click of a double-click has just put up.
#pragma once

#include <windows.h>

// Handles the message for the main window when it is one of these, and
// then returns true: it must not be dispatched.
bool PreTranslateProgramMessage(HWND window, const MSG& message);
