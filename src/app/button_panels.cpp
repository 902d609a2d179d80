#include "button_panels.h"

#include "app.h"
#include "controls.h"
#include "language.h"
#include "window_dpi.h"

#include <initializer_list>

static HWND CreateButton(HWND window, const wchar_t* caption, int id, const RECT& place) {
    return CreateWindowExW(WS_EX_CLIENTEDGE, L"BUTTON", caption,
                           WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void CreateMenuButtons(HWND window) {
    RECT places[kTitleButtonCount];
    ComputeTitlePanel(ReadClientSize(window), ReadWindowDpi(window), kTitleColumnDivisor, places);
    g_theoryButton = CreateButton(window, kTheoryCaption, ID_THEORY, places[0]);
    g_propagationButton = CreateButton(window, kPropagationCaption, ID_PROPAGATION, places[1]);
    g_formationButton = CreateButton(window, kFormationCaption, ID_FORMATION, places[2]);
    g_exitButton = CreateButton(window, kExitCaption, ID_EXIT, places[3]);
    g_authorsButton = CreateButton(window, kAuthorsCaption, ID_AUTHORS, places[4]);
    for (HWND button : {g_theoryButton, g_propagationButton, g_formationButton, g_exitButton,
                        g_authorsButton}) {
        SendControlFont(button);
    }
}

void CreateFormationButtons(HWND window) {
    RECT places[kFormationButtonCount];
    ComputeFormationPanel(ReadClientSize(window), ReadWindowDpi(window), places);
    g_startPauseButton = CreateButton(window, g_running ? kPauseCaption : kStartCaption,
                                      ID_START_PAUSE, places[0]);
    g_resetButton = CreateButton(window, kResetCaption, ID_RESET, places[1]);
    g_menuButton = CreateButton(window, kMenuCaption, ID_MENU, places[2]);
    g_scale1Button = CreateButton(window, kScale1Caption, ID_SCALE_1, places[3]);
    g_scale5Button = CreateButton(window, kScale5Caption, ID_SCALE_5, places[4]);
    g_scale10Button = CreateButton(window, kScale10Caption, ID_SCALE_10, places[5]);
    for (HWND button : {g_startPauseButton, g_resetButton, g_menuButton, g_scale1Button,
                        g_scale5Button, g_scale10Button}) {
        SendControlFont(button);
    }
}

void CreateLoneMenuButton(HWND window, MenuButtonPosition position) {
    g_menuButton = CreateButton(window, kMenuCaption, ID_MENU,
                                ComputeLoneMenuButton(ReadClientSize(window),
                                                      ReadWindowDpi(window), position));
}

void ReplaceStartPauseButton(HWND window, const wchar_t* caption) {
    RECT places[kFormationButtonCount];
    ComputeFormationPanel(ReadClientSize(window), ReadWindowDpi(window), places);
    // The keyboard focus stays on the button, so that Enter can press it again.
    const bool focused = g_startPauseButton != nullptr && GetFocus() == g_startPauseButton;
    DestroyControl(g_startPauseButton);
    g_startPauseButton = CreateButton(window, caption, ID_START_PAUSE, places[0]);
    if (focused) {
        SetFocus(g_startPauseButton);
    }
}

void DestroyTitlePanel() {
    DestroyControl(g_theoryButton);
    DestroyControl(g_propagationButton);
    DestroyControl(g_formationButton);
    DestroyControl(g_exitButton);
    DestroyControl(g_authorsButton);
}

void DestroyFormationPanel() {
    DestroyControl(g_startPauseButton);
    DestroyControl(g_resetButton);
    DestroyControl(g_menuButton);
    DestroyControl(g_scale1Button);
    DestroyControl(g_scale5Button);
    DestroyControl(g_scale10Button);
}
