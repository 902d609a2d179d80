#include "commands.h"

#include "app.h"
#include "formation_run.h"
#include "navigation.h"

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

void SetScale(HWND window, int scale) {
    g_scale = scale;
    InvalidateRect(window, nullptr, TRUE);
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
    case ID_AUTHORS: ChangeScreen(window, ScreenAuthors); break;
    case ID_PROPAGATION: ChangeScreen(window, ScreenPropagation); break;
    case ID_FORMATION: ChangeScreen(window, ScreenFormation); break;
    case ID_MENU: ChangeScreen(window, ScreenTitle); break;
    case ID_EXIT: SendMessageW(window, WM_CLOSE, 0, 0); break;
    case ID_THEORY: ChangeScreen(window, ScreenTheory); break;
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

LRESULT OnSliderScroll(HWND window, LPARAM lParam) {
    StoreSliderMove(lParam);
    ApplySlidersInProjectorMode(window);
    return 0;
}
