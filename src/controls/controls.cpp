#include "controls.h"

#include <commctrl.h>

// Created before WinMain runs, like the model's row-pointer arrays.
HFONT g_font = CreateFontW(-30, 15, 0, 10, 1000, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0,
                           L"Courier New");

bool RegisterControlClasses() {
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_BAR_CLASSES;
    return InitCommonControlsEx(&classes) != FALSE;
}

void SendControlFont(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), 0);
}

void DestroyControl(HWND& control) {
    if (control != nullptr) {
        DestroyWindow(control);
        control = nullptr;
    }
}
