#include "dpi_change.h"

#include "app.h"
#include "button_panels.h"
#include "display_modes.h"
#include "language.h"

namespace {

// Makes the current screen's controls again for the window's size and
// DPI; the screen, the run, the slider values, the magnification and a
// blank screen stay.
void LayOutScreenAgain(HWND window) {
    DestroySliders();
    DestroyTitlePanel();
    DestroyFormationPanel();  // and the lone Menu button, which is g_menuButton
    switch (g_screen) {
    case ScreenTitle: CreateMenuButtons(window); break;
    case ScreenFormation:
        CreateSliders(window);
        CreateFormationButtons(window);
        if (g_running) {
            ReplaceStartPauseButton(window, kPauseCaption);
            SendControlFont(g_startPauseButton);
        }
        break;
    default:
        CreateLoneMenuButton(window, g_screen == ScreenPropagation ? MenuButtonPropagation
                                                                   : MenuButtonLeft);
        SendControlFont(g_menuButton);
        break;
    }
    if (g_blank) {
        BlankScreen(window, g_blankColour);
    }
    // The propagation plot comes back whole, not drawn again stage by stage.
    g_paintWithoutPauses = true;
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

LRESULT OnDpiChanged(HWND window, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    if (suggested != nullptr) {
        SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LayOutScreenAgain(window);
    return 0;
}
