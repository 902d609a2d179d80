#include "commands.h"

#include "app.h"
#include "button_panels.h"
#include "formation_run.h"
#include "language.h"

namespace {

// The screens on which each command's button stands.
constexpr unsigned On(int screen) {
    return 1u << screen;
}

struct CommandScreens {
    int id;
    unsigned screens;
};

constexpr CommandScreens kCommandScreens[] = {
    {ID_START_PAUSE, On(ScreenFormation)},
    {ID_RESET, On(ScreenFormation)},
    {ID_AUTHORS, On(ScreenTitle)},
    {ID_PROPAGATION, On(ScreenTitle)},
    {ID_FORMATION, On(ScreenTitle)},
    {ID_MENU, On(ScreenAuthors) | On(ScreenPropagation) | On(ScreenFormation) | On(ScreenTheory)},
    {ID_EXIT, On(ScreenTitle)},
    {ID_THEORY, On(ScreenTitle)},
    {ID_SCALE_1, On(ScreenFormation)},
    {ID_SCALE_5, On(ScreenFormation)},
    {ID_SCALE_10, On(ScreenFormation)},
};

void InvalidateWindow(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

void ResetFormation(HWND window) {
    SolveBurgers(g_nonlinearity, g_viscosity);
    g_frame = 0;
    HaltRun(window);
    RebuildTermFields();
    StopRun(window);
    InvalidateWindow(window);
}

void ShowAuthors(HWND window) {
    g_screen = ScreenAuthors;
    InvalidateWindow(window);
    if (kAuthorsStopsTimer) {
        HaltRun(window);
    }
    CreateLoneMenuButton(window, MenuButtonLeft);
    SendControlFont(g_menuButton);
    DestroySliders();
    DestroyTitlePanel();
}

void ShowPropagation(HWND window) {
    SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    DestroyTitlePanel();
    CreateLoneMenuButton(window, MenuButtonPropagation);
    InvalidateWindow(window);
    g_screen = ScreenPropagation;
    HaltRun(window);
    SendControlFont(g_menuButton);
    DestroySliders();
}

void ShowFormation(HWND window) {
    DestroySliders();
    CreateSliders(window);
    g_screen = ScreenFormation;
    DestroyTitlePanel();
    // The profile comes from the same parameters as its two terms, the
    // ones the slider labels show.
    SolveBurgers(g_nonlinearity, g_viscosity);
    RebuildTermFields();
    CreateFormationButtons(window);
    HaltRun(window);
    InvalidateWindow(window);
}

void ShowTitle(HWND window) {
    InvalidateWindow(window);
    HaltRun(window);
    g_screen = ScreenTitle;
    DestroySliders();
    DestroyFormationPanel();
    CreateMenuButtons(window);
}

void ShowTheory(HWND window) {
    InvalidateWindow(window);
    HaltRun(window);
    g_screen = ScreenTheory;
    DestroyTitlePanel();
    CreateLoneMenuButton(window, MenuButtonLeft);
    SendControlFont(g_menuButton);
}

void SetScale(HWND window, int scale) {
    g_scale = scale;
    InvalidateWindow(window);
}

bool IsCommandOnScreen(int id, int screen) {
    for (const CommandScreens& command : kCommandScreens) {
        if (command.id == id) return (command.screens & On(screen)) != 0;
    }
    return false;
}

}  // namespace

LRESULT OnCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    // Automation, another process or a future key may send any command:
    // one whose button is not on this screen (a blank screen shows none)
    // would leave that screen's controls behind.
    if (g_blank || !IsCommandOnScreen(id, g_screen)) {
        return 0;
    }
    const int screen = g_screen;
    switch (id) {
    case ID_START_PAUSE: ToggleRun(window); break;
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

void ApplySlidersInProjectorMode(HWND window) {
    if (g_projector && g_screen == ScreenFormation &&
        (g_solvedNonlinearity != g_nonlinearity || g_solvedViscosity != g_viscosity)) {
        ResetFormation(window);
    }
}

LRESULT OnSliderScroll(HWND window, LPARAM lParam) {
    ReadSliderMove(lParam);
    ApplySlidersInProjectorMode(window);
    return 0;
}
