// The child controls of the main window: the common-control classes they
// need, the font they all carry, and destroying one so that its handle
// never outlives its window.
#pragma once

#include <windows.h>

// The one font of every button and label, at 96 DPI.
extern HFONT g_font;

// The font of every button and label at `dpi`: g_font at 96 DPI, else the
// same font scaled, made on first use and kept, like g_font, for the
// program's life; null when it cannot be made.
HFONT ReadControlFont(int dpi);

// Registers the common-control classes the program creates (the sliders'
// trackbars). The platform asks for this before the first such control;
// returns false when it cannot be done.
bool RegisterControlClasses();

// Gives a control the program's font at its DPI, without redrawing it.
void SendControlFont(HWND control);

// Destroys a child control and forgets its handle, so that a later destroy
// can never reach a window that has since been given the same handle.
void DestroyControl(HWND& control);
