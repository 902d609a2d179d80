#include "display_modes.h"

#include "app.h"
#include "formation_run.h"

#include <vector>

namespace {

// The controls a blank screen hid, and the one that had the focus.
std::vector<HWND> s_hiddenControls;
HWND s_focusBeforeBlank = nullptr;

BOOL CALLBACK HideControl(HWND child, LPARAM owner) {
    if (GetParent(child) == reinterpret_cast<HWND>(owner) && IsWindowVisible(child)) {
        ShowWindow(child, SW_HIDE);
        s_hiddenControls.push_back(child);
    }
    return TRUE;
}

}  // namespace

void ToggleProjector(HWND window) {
    g_projector = !g_projector;
    ApplySlidersInProjectorMode(window);
    InvalidateRect(window, nullptr, TRUE);
}

void BlankScreen(HWND window, COLORREF colour) {
    g_blank = true;
    g_blankColour = colour;
    s_focusBeforeBlank = GetFocus();
    s_hiddenControls.clear();
    EnumChildWindows(window, HideControl, reinterpret_cast<LPARAM>(window));
    InvalidateRect(window, nullptr, TRUE);
}

HWND ReadFocusBeforeBlank() {
    return s_focusBeforeBlank;
}

void HideControlsAgain(HWND window, HWND focus) {
    s_hiddenControls.clear();
    EnumChildWindows(window, HideControl, reinterpret_cast<LPARAM>(window));
    s_focusBeforeBlank = focus;
}

void RestoreScreen(HWND window) {
    g_blank = false;
    for (HWND control : s_hiddenControls) {
        if (IsWindow(control)) ShowWindow(control, SW_SHOWNA);
    }
    s_hiddenControls.clear();
    if (s_focusBeforeBlank != nullptr && IsWindow(s_focusBeforeBlank)) {
        SetFocus(s_focusBeforeBlank);
    }
    s_focusBeforeBlank = nullptr;
    InvalidateRect(window, nullptr, TRUE);
}
