// The monitors: which one the window opens on, covering it whole and
// maximised, following it when the resolution or the scaling changes or
// the system moves the window, and moving to the next one on request.
#pragma once

#include <windows.h>

#include <vector>

// The system's monitors, the primary first, then in the system's order.
std::vector<HMONITOR> ListMonitors();

// The monitor the window opens on: number `asked` of ListMonitors (1 for
// the primary) when there is one, else the one under the mouse pointer.
HMONITOR ChooseStartMonitor(int asked);

// The whole area of a monitor, in screen coordinates.
RECT ReadMonitorRect(HMONITOR monitor);

// Puts the maximised window over the whole of `monitor`.
void FitToMonitor(HWND window, HMONITOR monitor);

// WM_WINDOWPOSCHANGED, WM_DISPLAYCHANGE: a maximised window covers its
// monitor again (the system may have moved it or changed the monitor's
// size), and the screen is laid out again when its size or scale changed.
void FollowTheScreen(HWND window);

// WM_DPICHANGED: the window takes the rectangle the system suggests for
// the new scale, then follows the screen.
LRESULT OnDpiChanged(HWND window, LPARAM lParam);

// WM_GETMINMAXINFO: maximised, the window covers its whole monitor, not
// only the part the taskbar leaves.
LRESULT OnGetMinMaxInfo(HWND window, LPARAM lParam);

// M: the window moves to the next monitor, everything on it kept.
void MoveToNextMonitor(HWND window);
