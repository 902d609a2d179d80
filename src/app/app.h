// The application shell: program-wide state, screen codes and command ids.
#pragma once

#include <windows.h>

#include "controls.h"
#include "screen_table.h"
#include "sliders.h"
#include "wave_model.h"

// Command ids; each is also the control id of the button that sends it.
constexpr int ID_START_PAUSE = 1001;
constexpr int ID_RESET = 1002;
constexpr int ID_AUTHORS = 1004;
constexpr int ID_PROPAGATION = 1005;
constexpr int ID_FORMATION = 1006;
constexpr int ID_MENU = 1007;
constexpr int ID_EXIT = 1009;
constexpr int ID_THEORY = 1010;
constexpr int ID_SCALE_1 = 1011;
constexpr int ID_SCALE_5 = 1012;
constexpr int ID_SCALE_10 = 1013;

// The window timers: the formation animation's, whose ticks show the
// frame one tick further on the run's clock (run_clock.h), four columns at
// the default V; and Wave propagation's, whose ticks add a stage.
constexpr UINT_PTR kAnimationTimerId = 0;
constexpr UINT kAnimationPeriodMs = 100;
constexpr UINT_PTR kStageTimerId = 1;

// The name of the main window's class, and the window's own.
constexpr const wchar_t* kMainWindowClass = L"Ondrel";

// Every window timer starts and stops through these, so that tests can
// follow the timers without a tick ever arriving on its own.
extern UINT_PTR (*g_setTimer)(HWND window, UINT_PTR id, UINT periodMs);
extern void (*g_killTimer)(HWND window, UINT_PTR id);

// The exit code of a program ended by a failure it was told of.
constexpr int kExitFailed = 1;

// The program's module: its window class and its pictures.
extern HINSTANCE g_instance;
extern HMENU g_menuBar;

extern int g_screen;
// How many times the screen has changed since start-up.
extern unsigned g_screenChanges;
extern int g_scale;
extern int g_frame;
extern bool g_running;
// How many of the Wave propagation stages are drawn so far.
extern int g_stages;

// The projector mode: strong lines, and the run's caption on Wave
// formation; slider moves take effect at once. Off at start unless the
// command line asks for it.
extern bool g_projector;
// A blank screen (black or white, no controls) covers the current one.
extern bool g_blank;
extern COLORREF g_blankColour;

// Title panel.
extern HWND g_theoryButton;
extern HWND g_propagationButton;
extern HWND g_formationButton;
extern HWND g_exitButton;
extern HWND g_authorsButton;
// Formation panel; g_menuButton is also the lone Menu button.
extern HWND g_startPauseButton;
extern HWND g_resetButton;
extern HWND g_menuButton;
extern HWND g_scale1Button;
extern HWND g_scale5Button;
extern HWND g_scale10Button;
