// Helpers for tests that run the shell in-process under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app.h"
#include "paint_support.h"

// Ends the test at once, as a failure naming `what`, when a window or a
// size it needs could not be had: no later check should run on a wrong one.
void Require(bool condition, const std::string& what);

// g_instance, the grid rows and a first solve, as start-up leaves them.
void PrepareProgramState();

// Puts the screen, animation and parameter globals back to their start
// values and forgets every control handle, as a fresh start has them.
void ResetProgramGlobals();

// The real main window of the program, as WinMain creates it, with the
// title screen up. The test owns it; DestroyMainWindow ends it.
HWND CreateProgramWindow();
void DestroyMainWindow(HWND window);

// Ends a window made by CreateProgramWindow and resets the globals.
void CloseProgramWindow(HWND window);

// What a click on `button` sends the main window; returns its answer.
LRESULT PressButton(HWND window, HWND button);
// Puts the slider's thumb at `position` and sends the main window the
// scroll notification of a finished drag.
void MoveSlider(HWND window, HWND slider, int position);
// Whether the program has this window timer on. In tests the timers are
// only recorded: no tick arrives but those a test sends.
bool TimerIsRunning(HWND window, UINT_PTR id = kAnimationTimerId);

// Gives the main window a client area of exactly width x height, larger
// than the desktop if asked.
void ResizeClientArea(HWND window, int width, int height);

// Handles every message waiting for this thread.
void PumpMessages();

// A popup parent of exactly the given client size, for geometry tests.
HWND CreateTestParent(int width, int height);

struct ChildWindow {
    HWND handle;
    int id;
    std::wstring className;
    std::wstring text;
    RECT rect;  // in the parent's client coordinates
    LONG style;
    LONG exStyle;
};
std::vector<ChildWindow> ListChildren(HWND parent);
std::wstring WindowText(HWND window);
RECT ChildRect(HWND child);
