#include "controls.h"

#include "app.h"

void SendControlFont(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), 0);
}

void DestroyControl(HWND& control) {
    if (control != nullptr) {
        DestroyWindow(control);
        control = nullptr;
    }
}
