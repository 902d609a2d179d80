#include "navigation.h"

#include "app.h"
#include "button_panels.h"
#include "display_modes.h"
#include "formation_run.h"
#include "propagation_drawing.h"
#include "window_dpi.h"

#include <initializer_list>

namespace {

// What the current screen's controls were laid out for; a dpi of 0: no
// screen yet.
SIZE s_laidOutSize = {};
int s_laidOutDpi = 0;

// The program-wide variable that holds `control`, or null.
HWND* FindControlVariable(HWND control) {
    for (HWND* variable :
         {&g_theoryButton, &g_propagationButton, &g_formationButton, &g_exitButton,
          &g_authorsButton, &g_startPauseButton, &g_resetButton, &g_menuButton, &g_scale1Button,
          &g_scale5Button, &g_scale10Button, &g_viscositySlider, &g_nonlinearitySlider}) {
        if (control != nullptr && *variable == control) return variable;
    }
    return nullptr;
}

}  // namespace

static void DestroyScreenControls() {
    DestroyTitlePanel();
    DestroyFormationPanel();
    DestroySliders();
}

static void CreateScreenControls(HWND window) {
    s_laidOutSize = ReadClientSize(window);
    s_laidOutDpi = ReadWindowDpi(window);
    switch (g_screen) {
    case ScreenTitle: CreateMenuButtons(window); break;
    case ScreenTheory:
    case ScreenAuthors:
        CreateLoneMenuButton(window, MenuButtonLeft);
        SendControlFont(g_menuButton);
        break;
    case ScreenPropagation:
        CreateLoneMenuButton(window, MenuButtonPropagation);
        SendControlFont(g_menuButton);
        break;
    case ScreenFormation:
        // The focus ends on the b slider, as the sliders leave it.
        CreateSliders(window);
        CreateFormationButtons(window);
        break;
    }
}

void LeaveScreen(HWND window) {
    StopPropagationDrawing(window);
    DestroyScreenControls();
    // With its button gone the run stops without making a new "Start".
    StopRun(window);
}

void EnterScreen(HWND window, int screen) {
    g_screen = screen;
    if (screen == ScreenPropagation) {
        SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    } else if (screen == ScreenFormation) {
        // The profile comes from the same parameters as its two terms, the
        // ones the slider labels show.
        SolveBurgers(g_nonlinearity, g_viscosity);
        RebuildTermFields();
    }
    CreateScreenControls(window);
    if (screen == ScreenPropagation) {
        StartPropagationDrawing(window);
    }
    InvalidateRect(window, nullptr, TRUE);
}

void ChangeScreen(HWND window, int screen) {
    LeaveScreen(window);
    EnterScreen(window, screen);
}

void LayOutScreenAgain(HWND window) {
    const HWND before = g_blank ? ReadFocusBeforeBlank() : GetFocus();
    HWND* focused = FindControlVariable(before);
    DestroyScreenControls();
    CreateScreenControls(window);
    const HWND focus = focused != nullptr ? *focused : before == window ? window : nullptr;
    if (g_blank) {
        HideControlsAgain(window, focus);
    } else if (focus != nullptr) {
        SetFocus(focus);
    }
    InvalidateRect(window, nullptr, TRUE);
}

void LayOutScreenIfResized(HWND window) {
    const SIZE size = ReadClientSize(window);
    if (s_laidOutDpi != 0 && (size.cx != s_laidOutSize.cx || size.cy != s_laidOutSize.cy ||
                              ReadWindowDpi(window) != s_laidOutDpi)) {
        LayOutScreenAgain(window);
    }
}
