#include "app.h"

// Created before WinMain runs, like the font, the model's row-pointer
// arrays and the plots' point buffer.
HMENU g_menuBar = CreateMenu();

HINSTANCE g_instance = nullptr;

static UINT_PTR SetWindowTimer(HWND window, UINT_PTR id, UINT periodMs) {
    return SetTimer(window, id, periodMs, nullptr);
}

static void KillWindowTimer(HWND window, UINT_PTR id) {
    KillTimer(window, id);
}

UINT_PTR (*g_setTimer)(HWND, UINT_PTR, UINT) = SetWindowTimer;
void (*g_killTimer)(HWND, UINT_PTR) = KillWindowTimer;

int g_screen = ScreenTitle;
unsigned g_screenChanges = 0;
int g_scale = 1;
int g_frame = 0;
bool g_running = false;
int g_stages = 0;
bool g_projector = false;
bool g_blank = false;
COLORREF g_blankColour = RGB(0, 0, 0);

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
