// The window moved to a monitor of another DPI, or the user changed the
// display scaling.
#pragma once

#include <windows.h>

// WM_DPICHANGED: takes the rectangle the system suggests for the new DPI
// (lParam) and lays the current screen out again at it.
LRESULT OnDpiChanged(HWND window, LPARAM lParam);
