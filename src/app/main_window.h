// Start-up and the main window.
#pragma once

#include <windows.h>

// Registers the window class "Ondrel"; returns 0 on failure.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// The window's size for a desktop rectangle: both halves truncate, so an
// odd desktop width or height gives a window one pixel smaller.
SIZE ComputeMainWindowSize(const RECT& desktop);

// Creates the main window at the top-left corner with the given size;
// WM_CREATE turns it into the borderless maximised title screen.
HWND CreateMainWindow(HINSTANCE instance, SIZE size);

// Runs until the quit message; returns its wParam.
int RunMessageLoop();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
