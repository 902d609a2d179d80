#include "main_window.h"

#include "app.h"
#include "button_panels.h"
#include "commands.h"
#include "dpi_change.h"
#include "formation_run.h"
#include "screens.h"

#include <new>

static LRESULT OnCreate(HWND window) {
    // No caption, border or system menu; painting leaves the children alone.
    SetWindowLongW(window, GWL_STYLE, WS_CLIPCHILDREN);
    SetWindowLongW(window, GWL_EXSTYLE, WS_EX_TOPMOST);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    InvalidateRect(window, nullptr, TRUE);
    CreateMenuButtons(window);
    return 0;
}

static LRESULT OnDestroy() {
    PostQuitMessage(0);
    return 0;
}

static LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy();
    case WM_ERASEBKGND: return 1;  // every screen's paint covers what it needs
    case WM_PAINT: return OnPaint(window);
    case WM_COMMAND: return OnCommand(window, wParam);
    case WM_TIMER: return OnRunTick(window, wParam);
    case WM_HSCROLL: return OnSliderScroll(window, lParam);
    case WM_DPICHANGED: return OnDpiChanged(window, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A failed allocation must not unwind through the system's frames that
    // called this procedure: the user is told, and the program ends.
    try {
        return HandleMessage(window, message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        PostQuitMessage(ReportOutOfMemory(window));
        return 0;
    }
}
