#include "navigation.h"

#include "app.h"
#include "button_panels.h"
#include "formation_run.h"
#include "propagation_drawing.h"

static void DestroyScreenControls() {
    DestroyTitlePanel();
    DestroyFormationPanel();
    DestroySliders();
}

static void CreateScreenControls(HWND window) {
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
