#include "commands.h"

#include "app.h"
#include "button_panels.h"
#include "controls.h"
#include "language.h"
#include "sliders.h"

static void InvalidateWindow(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

void StopAnimation(HWND window) {
    ReplaceStartPauseButton(window, kStartCaption);
    SendControlFont(g_startPauseButton);
    StopAnimationTimer(window);
    g_running = false;
}

static void StartAnimation(HWND window) {
    // A run that is over plays again from its beginning.
    if (g_frame >= kLastFrame) {
        g_frame = 0;
        InvalidateWindow(window);
    }
    ReplaceStartPauseButton(window, kPauseCaption);
    SendControlFont(g_startPauseButton);
    StartAnimationTimer(window);
    g_running = true;
}

static void ToggleAnimation(HWND window) {
    if (g_screen != ScreenFormation) {
        return;
    }
    if (g_running) {
        StopAnimation(window);
    } else {
        StartAnimation(window);
    }
}

static void ResetFormation(HWND window) {
    SolveBurgers(g_nonlinearity, g_viscosity);
    g_frame = 0;
    StopAnimationTimer(window);
    RebuildTermFields();
    StopAnimation(window);
    InvalidateWindow(window);
}

static void ShowAuthors(HWND window) {
    g_screen = ScreenAuthors;
    InvalidateWindow(window);
    if (kAuthorsStopsTimer) {
        StopAnimationTimer(window);
    }
    CreateLoneMenuButton(window, MenuButtonLeft);
    SendControlFont(g_menuButton);
    DestroySliders();
    DestroyTitlePanel();
}

static void ShowPropagation(HWND window) {
    SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    DestroyTitlePanel();
    CreateLoneMenuButton(window, MenuButtonPropagation);
    InvalidateWindow(window);
    g_screen = ScreenPropagation;
    StopAnimationTimer(window);
    SendControlFont(g_menuButton);
    DestroySliders();
}

static void ShowFormation(HWND window) {
    DestroySliders();
    CreateSliders(window);
    g_screen = ScreenFormation;
    DestroyTitlePanel();
    // The profile comes from the same parameters as its two terms, the
    // ones the slider labels show.
    SolveBurgers(g_nonlinearity, g_viscosity);
    RebuildTermFields();
    CreateFormationButtons(window);
    StopAnimationTimer(window);
    g_running = false;
    InvalidateWindow(window);
}

static void ShowTitle(HWND window) {
    InvalidateWindow(window);
    StopAnimationTimer(window);
    g_screen = ScreenTitle;
    DestroySliders();
    DestroyFormationPanel();
    CreateMenuButtons(window);
}

static void ShowTheory(HWND window) {
    InvalidateWindow(window);
    StopAnimationTimer(window);
    g_screen = ScreenTheory;
    DestroyTitlePanel();
    CreateLoneMenuButton(window, MenuButtonLeft);
    SendControlFont(g_menuButton);
}

static void SetScale(HWND window, int scale) {
    g_scale = scale;
    InvalidateWindow(window);
}

LRESULT OnCommand(HWND window, WPARAM wParam) {
    const int screen = g_screen;
    switch (LOWORD(wParam)) {
    case ID_START_PAUSE: ToggleAnimation(window); break;
    case ID_RESET: ResetFormation(window); break;
    case ID_AUTHORS: ShowAuthors(window); break;
    case ID_PROPAGATION: ShowPropagation(window); break;
    case ID_FORMATION: ShowFormation(window); break;
    case ID_MENU: ShowTitle(window); break;
    case ID_EXIT: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case ID_THEORY: ShowTheory(window); break;
    case ID_SCALE_1: SetScale(window, 1); break;
    case ID_SCALE_5: SetScale(window, 5); break;
    case ID_SCALE_10: SetScale(window, 10); break;
    }
    // Counted, so that the second click of a double-click that changed the
    // screen is not taken for a click on what is now under the pointer.
    if (g_screen != screen) {
        ++g_screenChanges;
    }
    return 0;
}
