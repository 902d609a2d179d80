#include "app.h"

// Created before WinMain runs, like the model's row-pointer arrays and the
// plots' point buffer.
HMENU g_menuBar = CreateMenu();
HFONT g_font = CreateFontW(-30, 15, 0, 10, 1000, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0,
                           L"Courier New");

HINSTANCE g_instance = nullptr;

int g_screen = ScreenTitle;
unsigned g_screenChanges = 0;
int g_scale = 1;
int g_frame = 0;
bool g_running = false;

HWND g_theoryButton = nullptr;
HWND g_propagationButton = nullptr;
HWND g_formationButton = nullptr;
HWND g_exitButton = nullptr;
HWND g_authorsButton = nullptr;
HWND g_startPauseButton = nullptr;
HWND g_resetButton = nullptr;
HWND g_menuButton = nullptr;
HWND g_scale1Button = nullptr;
HWND g_scale5Button = nullptr;
HWND g_scale10Button = nullptr;
HWND g_viscositySlider = nullptr;
HWND g_nonlinearitySlider = nullptr;
HWND g_viscosityLabel = nullptr;
HWND g_nonlinearityLabel = nullptr;
