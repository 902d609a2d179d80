// The child controls of the main window: the common-control classes they
// need, the font they all carry, and destroying one so that its handle
// never outlives its window.
#pragma once

#include <windows.h>

// The one font of every button and label.
extern HFONT g_font;

// Registers the common-control classes the program creates (the sliders'
// trackbars). The platform asks for this before the first such control;
// returns false when it cannot be done.
bool RegisterControlClasses();

// Gives a control the program's font, without redrawing it.
void SendControlFont(HWND control);

// Destroys a child control and forgets its handle, so that a later destroy
// can never reach a window that has since been given the same handle.
void DestroyControl(HWND& control);
