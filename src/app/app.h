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

// The one window timer of the formation animation; each tick shows the
// frame one tick further on the run's clock (run_clock.h): four columns
// at the default V.
constexpr UINT_PTR ANIMATION_TIMER_ID = 0;
constexpr UINT kAnimationPeriodMs = 100;

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

// The projector mode: strong lines, and the run's caption on Wave
// formation; slider moves take effect at once. Off at start unless the
// command line asks for it.
extern bool g_projector;
// A blank screen (black or white, no controls) covers the current one.
extern bool g_blank;
extern COLORREF g_blankColour;
// The next paint of Wave propagation shows the finished plot at once: the
// screen comes back as it was, after a blank screen or a change of mode.
extern bool g_paintWithoutPauses;

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
