// The V and b sliders of the formation screen on the real main window:
// their controls, the value and label of every position, and what a move
// leaves alone.
#include "app.h"
#include "test_windows.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kClientHeight = 768;

const double kViscosityValues[32] = {
    0.0005, 0.001,  0.0011, 0.0012, 0.0013, 0.0014, 0.0015, 0.0016,
    0.0017, 0.0018, 0.0019, 0.002,  0.0021, 0.0022, 0.0023, 0.0024,
    0.0025, 0.0026, 0.0027, 0.0028, 0.0029, 0.003,  0.0031, 0.0032,
    0.0033, 0.0034, 0.0035, 0.0036, 0.0037, 0.0038, 0.0039, 0.004};
const wchar_t* const kViscosityLabels[32] = {
    L"V=0.0005", L"V=0.001",  L"V=0.0011", L"V=0.0012", L"V=0.0013", L"V=0.0014",
    L"V=0.0015", L"V=0.0016", L"V=0.0017", L"V=0.0018", L"V=0.0019", L"V=0.002",
    L"V=0.0021", L"V=0.0022", L"V=0.0023", L"V=0.0024", L"V=0.0025", L"V=0.0026",
    L"V=0.0027", L"V=0.0028", L"V=0.0029", L"V=0.003",  L"V=0.0031", L"V=0.0032",
    L"V=0.0033", L"V=0.0034", L"V=0.0035", L"V=0.0036", L"V=0.0037", L"V=0.0038",
    L"V=0.0039", L"V=0.004"};
const double kNonlinearityValues[21] = {0,    0.02, 0.04, 0.06, 0.08, 0.1,  0.12,
                                        0.14, 0.16, 0.18, 0.2,  0.22, 0.24, 0.26,
                                        0.28, 0.3,  0.32, 0.34, 0.36, 0.38, 0.4};
const wchar_t* const kNonlinearityLabels[21] = {
    L"b=0",    L"b=0.02", L"b=0.04", L"b=0.06", L"b=0.08", L"b=0.1",  L"b=0.12",
    L"b=0.14", L"b=0.16", L"b=0.18", L"b=0.2",  L"b=0.22", L"b=0.24", L"b=0.26",
    L"b=0.28", L"b=0.3",  L"b=0.32", L"b=0.34", L"b=0.36", L"b=0.38", L"b=0.4"};

// The main window on the formation screen, entered from the title.
HWND OpenFormationScreen() {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_FORMATION, BN_CLICKED),
                 reinterpret_cast<LPARAM>(g_formationButton));
    return window;
}

int ThumbPosition(HWND slider) {
    return static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
}

std::vector<double> ReadColumn(Grid field, int column, int rows) {
    std::vector<double> values;
    for (int row = 0; row < rows; ++row) {
        values.push_back(field[row][column]);
    }
    return values;
}

void ExpectSliderControl(HWND slider, int top) {
    ASSERT_TRUE(IsWindow(slider));
    wchar_t className[32] = {};
    GetClassNameW(slider, className, 32);
    EXPECT_STREQ(className, L"msctls_trackbar32");
    EXPECT_EQ(WindowText(slider), L"Trackbar");
    EXPECT_EQ(GetDlgCtrlID(slider), ID_SLIDER);
    const RECT rect = ChildRect(slider);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, 260);
    EXPECT_EQ(rect.bottom, top + 50);
    const LONG style = GetWindowLongW(slider, GWL_STYLE);
    EXPECT_EQ(style & ~WS_TABSTOP,
              static_cast<LONG>(WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | TBS_ENABLESELRANGE));
    EXPECT_EQ(GetWindowLongW(slider, GWL_EXSTYLE), 0);
}

void ExpectLabelControl(HWND label, int top, const wchar_t* text, const wchar_t* longest) {
    ASSERT_TRUE(IsWindow(label));
    wchar_t className[32] = {};
    GetClassNameW(label, className, 32);
    EXPECT_STREQ(className, L"Static");
    EXPECT_EQ(WindowText(label), text);
    EXPECT_EQ(GetDlgCtrlID(label), ID_SLIDER_LABEL);
    const RECT rect = ChildRect(label);
    EXPECT_EQ(rect.left, 280);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.bottom, top + 50);
    // Wide enough for the label's longest text in the labels' font, and
    // left of the plots' axes, which start at w/2 - w/14.
    HDC dc = GetDC(label);
    const HGDIOBJ font = SelectObject(dc, g_font);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, longest, lstrlenW(longest), &extent);
    SelectObject(dc, font);
    ReleaseDC(label, dc);
    EXPECT_GE(rect.right - rect.left, extent.cx);
    EXPECT_LT(rect.right, 1024 / 2 - 1024 / 14);
    EXPECT_EQ(GetWindowLongW(label, GWL_STYLE), static_cast<LONG>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongW(label, GWL_EXSTYLE), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), g_font);
}

TEST(Sliders, FirstVisitShowsTheStartValues) {
    HWND window = OpenFormationScreen();
    ExpectSliderControl(g_viscositySlider, kClientHeight - 400);
    ExpectSliderControl(g_nonlinearitySlider, kClientHeight - 325);
    ExpectLabelControl(g_viscosityLabel, kClientHeight - 400, L"V=0.002", L"V=0.0015");
    ExpectLabelControl(g_nonlinearityLabel, kClientHeight - 325, L"b=0.3", L"b=0.38");

    EXPECT_EQ(ThumbPosition(g_viscositySlider), 11);
    EXPECT_EQ(ThumbPosition(g_nonlinearitySlider), 15);
    EXPECT_EQ(SendMessageW(g_viscositySlider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(g_viscositySlider, TBM_GETRANGEMAX, 0, 0), 31);
    EXPECT_EQ(SendMessageW(g_nonlinearitySlider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(g_nonlinearitySlider, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(SendMessageW(g_viscositySlider, TBM_GETPAGESIZE, 0, 0), 1);
    EXPECT_EQ(GetFocus(), g_nonlinearitySlider);
    EXPECT_EQ(g_viscosity, 0.002);
    EXPECT_EQ(g_nonlinearity, 0.3);
    CloseProgramWindow(window);
}

TEST(Sliders, EveryViscosityPositionStoresItsValueAndLabel) {
    HWND window = OpenFormationScreen();
    for (int position = 31; position >= 0; --position) {
        MoveSlider(window, g_viscositySlider, position);
        EXPECT_EQ(g_viscosity, kViscosityValues[position]) << "position " << position;
        EXPECT_EQ(WindowText(g_viscosityLabel), kViscosityLabels[position])
            << "position " << position;
        EXPECT_EQ(g_nonlinearity, 0.3);
        EXPECT_EQ(WindowText(g_nonlinearityLabel), L"b=0.3");
    }
    CloseProgramWindow(window);
}

TEST(Sliders, EveryNonlinearityPositionStoresItsValueAndLabel) {
    HWND window = OpenFormationScreen();
    for (int position = 0; position <= 20; ++position) {
        MoveSlider(window, g_nonlinearitySlider, position);
        EXPECT_EQ(g_nonlinearity, kNonlinearityValues[position]) << "position " << position;
        EXPECT_EQ(WindowText(g_nonlinearityLabel), kNonlinearityLabels[position])
            << "position " << position;
        EXPECT_EQ(g_viscosity, 0.002);
        EXPECT_EQ(WindowText(g_viscosityLabel), L"V=0.002");
    }
    // The end of the range is the end of the table: no dead position.
    MoveSlider(window, g_nonlinearitySlider, 21);
    EXPECT_EQ(ThumbPosition(g_nonlinearitySlider), 20);
    EXPECT_EQ(g_nonlinearity, 0.4);
    CloseProgramWindow(window);
}

TEST(Sliders, AMoveRepaintsAndRecomputesNothing) {
    HWND window = OpenFormationScreen();
    PressButton(window, g_startPauseButton);
    SendMessageW(window, WM_TIMER, 0, 0);
    const std::vector<double> profile = ReadColumn(g_field, 1000, kProfileSamples + 1);
    const std::vector<double> diffusion = ReadColumn(g_diffusionTerm, 1000, kProfileSamples);
    const std::vector<double> nonlinear = ReadColumn(g_nonlinearTerm, 1000, kProfileSamples);
    const Grid diffusionField = g_diffusionTerm;
    const Grid nonlinearField = g_nonlinearTerm;
    const int frame = g_frame;

    ValidateRect(window, nullptr);
    MoveSlider(window, g_viscositySlider, 0);
    MoveSlider(window, g_nonlinearitySlider, 2);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    EXPECT_EQ(ReadColumn(g_field, 1000, kProfileSamples + 1), profile);
    EXPECT_EQ(g_diffusionTerm, diffusionField);
    EXPECT_EQ(g_nonlinearTerm, nonlinearField);
    EXPECT_EQ(ReadColumn(g_diffusionTerm, 1000, kProfileSamples), diffusion);
    EXPECT_EQ(ReadColumn(g_nonlinearTerm, 1000, kProfileSamples), nonlinear);
    EXPECT_EQ(g_frame, frame);
    EXPECT_TRUE(g_running);
    EXPECT_TRUE(TimerIsRunning(window));
    CloseProgramWindow(window);
}

TEST(Sliders, ReEnteringPutsEachThumbAtItsStoredValue) {
    HWND window = OpenFormationScreen();
    struct Setting {
        int viscosityPosition;
        int nonlinearityPosition;
        HWND* leaveThrough;  // a title button pressed between the visits
    };
    for (const Setting& setting :
         {Setting{0, 20, nullptr}, Setting{31, 0, &g_authorsButton},
          Setting{5, 7, &g_propagationButton}, Setting{11, 15, &g_theoryButton}}) {
        SCOPED_TRACE(setting.viscosityPosition);
        MoveSlider(window, g_viscositySlider, setting.viscosityPosition);
        MoveSlider(window, g_nonlinearitySlider, setting.nonlinearityPosition);
        PressButton(window, g_menuButton);
        for (HWND control : {g_viscositySlider, g_nonlinearitySlider, g_viscosityLabel,
                             g_nonlinearityLabel}) {
            EXPECT_FALSE(IsWindow(control));
        }
        if (setting.leaveThrough != nullptr) {
            PressButton(window, *setting.leaveThrough);
            ValidateRect(window, nullptr);
            PressButton(window, g_menuButton);
        }
        PressButton(window, g_formationButton);
        EXPECT_EQ(ThumbPosition(g_viscositySlider), setting.viscosityPosition);
        EXPECT_EQ(ThumbPosition(g_nonlinearitySlider), setting.nonlinearityPosition);
        EXPECT_EQ(WindowText(g_viscosityLabel), kViscosityLabels[setting.viscosityPosition]);
        EXPECT_EQ(WindowText(g_nonlinearityLabel),
                  kNonlinearityLabels[setting.nonlinearityPosition]);
        EXPECT_EQ(g_viscosity, kViscosityValues[setting.viscosityPosition]);
        EXPECT_EQ(g_nonlinearity, kNonlinearityValues[setting.nonlinearityPosition]);
    }
    CloseProgramWindow(window);
}

TEST(Sliders, ScrollsFromOtherSourcesChangeNothing) {
    HWND window = OpenFormationScreen();
    MoveSlider(window, g_viscositySlider, 3);
    MoveSlider(window, g_nonlinearitySlider, 4);
    HWND foreign = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD, 600, 10, 100, 30, window,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(foreign, nullptr);
    SendMessageW(foreign, TBM_SETRANGE, TRUE, MAKELPARAM(0, 40));
    SendMessageW(foreign, TBM_SETPOS, TRUE, 30);

    const auto expectUnchanged = [&](HWND source) {
        EXPECT_EQ(SendMessageW(window, WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                               reinterpret_cast<LPARAM>(source)),
                  0);
        EXPECT_EQ(g_viscosity, 0.0012);
        EXPECT_EQ(g_nonlinearity, 0.08);
    };
    for (HWND source : {foreign, g_viscosityLabel, g_nonlinearityLabel, g_resetButton,
                        static_cast<HWND>(nullptr)}) {
        expectUnchanged(source);
        EXPECT_EQ(WindowText(g_viscosityLabel), L"V=0.0012");
        EXPECT_EQ(WindowText(g_nonlinearityLabel), L"b=0.08");
        EXPECT_EQ(ThumbPosition(g_viscositySlider), 3);
        EXPECT_EQ(ThumbPosition(g_nonlinearitySlider), 4);
    }
    DestroyWindow(foreign);

    // Off the formation screen no slider exists; a bare scroll is no move.
    PressButton(window, g_menuButton);
    expectUnchanged(nullptr);
    CloseProgramWindow(window);
}

}  // namespace
