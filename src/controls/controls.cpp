#include "controls.h"

#include "panel_layout.h"
#include "window_dpi.h"

#include <commctrl.h>

namespace {

// The font's cell at 96 DPI.
constexpr int kFontHeight = 30;
constexpr int kFontWidth = 15;

HFONT CreateControlFont(int dpi) {
    return CreateFontW(-ScaleToDpi(kFontHeight, dpi), ScaleToDpi(kFontWidth, dpi), 0, 10, 1000,
                       FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0, L"Courier New");
}

// The fonts of the DPIs met so far besides 96: a window moved between
// monitors meets a few, and each is made once.
struct ScaledFont {
    int dpi;
    HFONT font;
};
constexpr int kScaledFontSlots = 8;
ScaledFont s_scaledFonts[kScaledFontSlots] = {};

}  // namespace

// Created before WinMain runs, like the model's row-pointer arrays.
HFONT g_font = CreateControlFont(kDefaultDpi);

HFONT ReadControlFont(int dpi) {
    if (dpi == kDefaultDpi) {
        return g_font;
    }
    for (ScaledFont& slot : s_scaledFonts) {
        if (slot.font != nullptr && slot.dpi == dpi) return slot.font;
        if (slot.font == nullptr) {
            slot.font = CreateControlFont(dpi);
            slot.dpi = dpi;
            return slot.font;
        }
    }
    // More DPIs than any hall has monitors: rather a small font than one
    // deleted under a control that still carries it.
    return g_font;
}

bool RegisterControlClasses() {
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_BAR_CLASSES;
    return InitCommonControlsEx(&classes) != FALSE;
}

void SendControlFont(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ReadControlFont(ReadWindowDpi(control))),
                 0);
}

void DestroyControl(HWND& control) {
    if (control != nullptr) {
        DestroyWindow(control);
        control = nullptr;
    }
}
