#include "sliders.h"

#include "controls.h"
#include "slider_tables.h"
#include "wave_model.h"

#include <commctrl.h>

HWND g_viscositySlider = nullptr;
HWND g_nonlinearitySlider = nullptr;
HWND g_viscosityLabel = nullptr;
HWND g_nonlinearityLabel = nullptr;

constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_ENABLESELRANGE;

static HINSTANCE ReadModule(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

static HWND CreateSlider(HWND window, int top, int lastPosition) {
    HWND slider = CreateWindowExW(0, TRACKBAR_CLASSW, L"Trackbar", kSliderStyle, 10, top, 250, 50,
                                  window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_SLIDER)),
                                  ReadModule(window), nullptr);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, lastPosition));
    return slider;
}

// The b label's width; the V label's holds "V=0.0015", eight characters of
// the font's 15 pixels, with room to spare, and still ends left of the plots.
constexpr int kLabelWidth = 100;
constexpr int kViscosityLabelWidth = 130;

static HWND CreateLabel(HWND window, int top, int width, const std::wstring& text) {
    HWND label = CreateWindowExW(0, L"static", nullptr, WS_CHILD | WS_VISIBLE, 280, top, width, 50,
                                 window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_SLIDER_LABEL)),
                                 ReadModule(window), nullptr);
    SendControlFont(label);
    SetWindowTextW(label, text.c_str());
    return label;
}

void CreateSliders(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    const int height = client.bottom;

    g_viscositySlider = CreateSlider(window, height - 400, kViscosityPositions - 1);
    SendMessageW(g_viscositySlider, TBM_SETPAGESIZE, 0, 1);
    SendMessageW(g_viscositySlider, TBM_SETPOS, TRUE, FindViscosityPosition(g_viscosity));
    SetFocus(g_viscositySlider);

    g_nonlinearityLabel =
        CreateLabel(window, height - 325, kLabelWidth, FormatNonlinearityLabel(g_nonlinearity));
    g_viscosityLabel = CreateLabel(window, height - 400, kViscosityLabelWidth,
                                   FormatViscosityLabel(g_viscosity));

    g_nonlinearitySlider = CreateSlider(window, height - 325, kNonlinearityPositions - 1);
    SendMessageW(g_nonlinearitySlider, TBM_SETPOS, TRUE, FindNonlinearityPosition(g_nonlinearity));
    SetFocus(g_nonlinearitySlider);
}

void DestroySliders() {
    DestroyControl(g_viscositySlider);
    DestroyControl(g_nonlinearitySlider);
    DestroyControl(g_nonlinearityLabel);
    DestroyControl(g_viscosityLabel);
}

static int ReadPosition(HWND slider) {
    return static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
}

void ReadSliderMove(LPARAM lParam) {
    HWND source = reinterpret_cast<HWND>(lParam);
    // A scroll message without a control (a window scroll bar) is not ours.
    if (source == nullptr) {
        return;
    }
    if (source == g_viscositySlider) {
        const int position = ReadPosition(source);
        if (position >= 0 && position < kViscosityPositions) {
            g_viscosity = kViscosityTable[position];
            SetWindowTextW(g_viscosityLabel, FormatViscosityLabel(g_viscosity).c_str());
        }
    } else if (source == g_nonlinearitySlider) {
        const int position = ReadPosition(source);
        if (position >= 0 && position < kNonlinearityPositions) {
            g_nonlinearity = kNonlinearityTable[position];
            SetWindowTextW(g_nonlinearityLabel, FormatNonlinearityLabel(g_nonlinearity).c_str());
        }
    }
}
