// What a window's screen is laid out for: the size of its client area and
// the DPI it is shown at, which scales every fixed pixel size of the
// screens (panel_layout.h).
#pragma once

#include <windows.h>

// The window's DPI where the system knows one per window (Windows 10 1607
// and later), otherwise the system's; 96 when neither can be read.
int ReadWindowDpi(HWND window);

// The size of the window's client area.
SIZE ReadClientSize(HWND window);
