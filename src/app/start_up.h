// Start-up: the window class, the main window and the message loop.
#pragma once

#include <windows.h>

// Registers the main window's class with the program's icon; returns 0
// on failure.
ATOM RegisterMainWindowClass(HINSTANCE instance);

// The window's size for a desktop rectangle: both halves truncate, so an
// odd desktop width or height gives a window one pixel smaller.
SIZE ComputeMainWindowSize(const RECT& desktop);

// Creates the main window at `place` with the given size; WM_CREATE turns
// it into the borderless maximised title screen on that monitor.
HWND CreateMainWindow(HINSTANCE instance, POINT place, SIZE size);

// Runs until the quit message and returns its wParam, or kExitFailed when
// the message queue cannot be read. The program's keys and clicks go
// through PreTranslateProgramMessage first.
int RunMessageLoop(HWND window);

// The whole program: control classes, window class, first solve, window
// and message loop. Returns the exit code: the quit message's, or
// kExitFailed when a class or the window cannot be made or memory runs out.
int RunProgram(HINSTANCE instance, int showMode);
