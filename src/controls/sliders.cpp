#include "sliders.h"

#include "controls.h"
#include "panel_layout.h"
#include "slider_tables.h"
#include "wave_model.h"
#include "window_dpi.h"

#include <commctrl.h>

HWND g_viscositySlider = nullptr;
HWND g_nonlinearitySlider = nullptr;
HWND g_viscosityLabel = nullptr;
HWND g_nonlinearityLabel = nullptr;

constexpr DWORD kSliderStyle = WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_ENABLESELRANGE;
// The thumb's length at 96 DPI: the trackbar's own for this style.
constexpr int kThumbLength = 23;

static HINSTANCE ReadModule(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

static HWND CreateSlider(HWND window, const RECT& place, int lastPosition, int dpi) {
    // The trackbar sizes its thumb for 96 DPI whatever the window's: at any
    // other DPI its length is given, scaled like everything else.
    const DWORD style = dpi == kDefaultDpi ? kSliderStyle : kSliderStyle | TBS_FIXEDLENGTH;
    HWND slider = CreateWindowExW(0, TRACKBAR_CLASSW, L"Trackbar", style, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_SLIDER)),
                                  ReadModule(window), nullptr);
    if (dpi != kDefaultDpi) {
        SendMessageW(slider, TBM_SETTHUMBLENGTH, ScaleToDpi(kThumbLength, dpi), 0);
    }
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, lastPosition));
    return slider;
}

static HWND CreateLabel(HWND window, const RECT& place, const std::wstring& text) {
    HWND label = CreateWindowExW(0, L"static", nullptr, WS_CHILD | WS_VISIBLE, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_SLIDER_LABEL)),
                                 ReadModule(window), nullptr);
    SendControlFont(label);
    SetWindowTextW(label, text.c_str());
    return label;
}

void CreateSliders(HWND window) {
    const int dpi = ReadWindowDpi(window);
    const SliderPanel places = ComputeSliderPanel(ReadClientSize(window), dpi);

    g_viscositySlider = CreateSlider(window, places.viscositySlider, kViscosityPositions - 1, dpi);
    SendMessageW(g_viscositySlider, TBM_SETPAGESIZE, 0, 1);
    SendMessageW(g_viscositySlider, TBM_SETPOS, TRUE, FindViscosityPosition(g_viscosity));
    SetFocus(g_viscositySlider);

    g_nonlinearityLabel =
        CreateLabel(window, places.nonlinearityLabel, FormatNonlinearityLabel(g_nonlinearity));
    g_viscosityLabel =
        CreateLabel(window, places.viscosityLabel, FormatViscosityLabel(g_viscosity));

    g_nonlinearitySlider =
        CreateSlider(window, places.nonlinearitySlider, kNonlinearityPositions - 1, dpi);
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

void StoreSliderMove(LPARAM lParam) {
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
