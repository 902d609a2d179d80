// The screens at 150 % display scaling (a prefix at 144 DPI): every
// control one and a half times its size at 96 DPI, the font with it, the
// magnification's frame still around its button, and a change of DPI that
// keeps the run.
#include "app.h"
#include "button_panels.h"
#include "language.h"
#include "plots.h"
#include "resource_ids.h"
#include "test_windows.h"
#include "window_dpi.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kDpi = 144;
constexpr SIZE kClient{1920, 1080};

// The control's size is its size at 96 DPI, one and a half times.
void ExpectScaled(HWND control, const RECT& at96) {
    const RECT rect = ChildRect(control);
    EXPECT_EQ(rect.right - rect.left, (at96.right - at96.left) * 3 / 2) << WindowText(control);
    EXPECT_EQ(rect.bottom - rect.top, (at96.bottom - at96.top) * 3 / 2) << WindowText(control);
}

TEST(HighDpi, ControlsFontAndFrameGrowByHalf) {
    PrepareProgramState();
    HWND parent = CreateTestParent(kClient.cx, kClient.cy);
    Require(ReadWindowDpi(parent) == kDpi, "a window at 144 DPI");
    RECT title[kTitleButtonCount];
    ComputeTitlePanel(kClient, kDefaultDpi, kTitleColumnDivisor, title);
    CreateMenuButtons(parent);
    ExpectScaled(g_theoryButton, title[0]);
    ExpectScaled(g_exitButton, title[3]);
    DestroyTitlePanel();

    RECT panel[kFormationButtonCount];
    ComputeFormationPanel(kClient, kDefaultDpi, panel);
    const SliderPanel sliders = ComputeSliderPanel(kClient, kDefaultDpi);
    CreateFormationButtons(parent);
    CreateSliders(parent);
    const HWND buttons[] = {g_startPauseButton, g_resetButton, g_menuButton,
                            g_scale1Button,     g_scale5Button, g_scale10Button};
    for (int k = 0; k < kFormationButtonCount; ++k) ExpectScaled(buttons[k], panel[k]);
    EXPECT_EQ(ChildRect(g_scale1Button).right - ChildRect(g_scale1Button).left, 375);
    ExpectScaled(g_viscositySlider, sliders.viscositySlider);
    ExpectScaled(g_nonlinearityLabel, sliders.nonlinearityLabel);
    // The thumb as long as Wine's trackbar makes its own at this DPI.
    HWND plain = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | TBS_ENABLESELRANGE, 0, 0,
                                 250, 50, parent, nullptr, nullptr, nullptr);
    EXPECT_EQ(SendMessageW(g_viscositySlider, TBM_GETTHUMBLENGTH, 0, 0),
              SendMessageW(plain, TBM_GETTHUMBLENGTH, 0, 0));

    // The font is 45 pixels high, and the widest V label fits at both DPIs.
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(g_menuButton, WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -45);
    HDC dc = GetDC(parent);
    for (int dpi : {kDefaultDpi, kDpi}) {
        const HGDIOBJ own = SelectObject(dc, ReadControlFont(dpi));
        SIZE text = {};
        GetTextExtentPoint32W(dc, L"V=0.0015", 8, &text);
        const RECT label = ComputeSliderPanel(kClient, dpi).viscosityLabel;
        EXPECT_LE(text.cx, label.right - label.left) << dpi;
        SelectObject(dc, own);
    }
    ReleaseDC(parent, dc);

    // Left of the curves (0.45 of the width) only the frame is blue: its
    // box holds the button and stays within the frame's clearance and the
    // pen's reach of it.
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    view.dpi = kDpi;
    const int reach = ScaleToDpi(5, kDpi) + 2;
    for (int k = 3; k < kFormationButtonCount; ++k) {
        view.scale = k == 3 ? 1 : k == 4 ? 5 : 10;
        Canvas canvas = CreateCanvas(kClient.cx, kClient.cy, RGB(0, 255, 0));
        PaintFormation(canvas.dc, kClient, IDB_FORMATION_BACKGROUND, view);
        GdiFlush();
        RECT box{kClient.cx, kClient.cy, 0, 0};
        for (int y = 0; y < kClient.cy; ++y) {
            for (int x = 0; x < kClient.cx * 45 / 100; ++x) {
                if (PixelAt(canvas, x, y) != RGB(0, 0, 255)) continue;
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
            }
        }
        DestroyCanvas(canvas);
        const RECT inner = ChildRect(buttons[k]);
        RECT outer = inner;
        InflateRect(&outer, reach, reach);
        RECT both;
        EXPECT_TRUE(IntersectRect(&both, &box, &inner) && EqualRect(&both, &inner)) << view.scale;
        EXPECT_TRUE(IntersectRect(&both, &box, &outer) && EqualRect(&both, &box)) << view.scale;
        EXPECT_TRUE(box.left < inner.left && box.top < inner.top && box.right > inner.right);
    }
    DestroyWindow(parent);
}

TEST(HighDpi, ANewDpiLaysTheScreenOutAgainAndKeepsTheRun) {
    PrepareProgramState();
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    PressButton(window, g_formationButton);
    PressButton(window, g_startPauseButton);
    MoveSlider(window, g_viscositySlider, 3);
    const std::wstring label = WindowText(g_viscosityLabel);
    RECT suggested{0, 0, 1024, 768};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(kDpi, kDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_TRUE(g_running);
    EXPECT_EQ(WindowText(g_startPauseButton), kPauseCaption);
    EXPECT_EQ(WindowText(g_viscosityLabel), label);
    EXPECT_EQ(SendMessageW(g_viscositySlider, TBM_GETPOS, 0, 0), 3);
    EXPECT_EQ(ListChildren(window).size(), 10u);
    CloseProgramWindow(window);
}

}  // namespace
