// The child controls of the main window: the font they all carry, and
// destroying one so that its handle never outlives its window.
#pragma once

#include <windows.h>

// Gives a control the program's font, without redrawing it.
void SendControlFont(HWND control);

// Destroys a child control and forgets its handle, so that a later destroy
// can never reach a window that has since been given the same handle.
void DestroyControl(HWND& control);
