// The projector mode and the blank screen on the real main window: the
// run's caption clear of every control on the sizes of lecture halls, a
// slider that takes effect at once, and a blank screen that gives back
// exactly what it covered.
#include "app.h"
#include "command_line.h"
#include "display_modes.h"
#include "run_caption_painting.h"
#include "run_clock.h"
#include "screens.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kUnpainted = RGB(0, 255, 0);

HWND OpenFormation(int width, int height) {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    ResizeClientArea(window, width, height);
    PressButton(window, g_formationButton);
    ValidateRect(window, nullptr);
    return window;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What the run's caption adds to the formation screen: the box of the
// pixels that differ from the plot without it, and the lowest row of
// them above `limit`.
struct CaptionInk {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    int lowestAboveLimit = INT_MIN;
};

CaptionInk PaintCaptionInk(SIZE size, ScreenView view, int limit) {
    Canvas with = CreateCanvas(size.cx, size.cy, kUnpainted);
    Canvas without = CreateCanvas(size.cx, size.cy, kUnpainted);
    PaintScreen(with.dc, size, ScreenFormation, view);
    view.runCaption = false;
    PaintScreen(without.dc, size, ScreenFormation, view);
    GdiFlush();
    CaptionInk ink;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (PixelAt(with, x, y) == PixelAt(without, x, y)) continue;
            ink.box = RECT{std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                           std::max<LONG>(ink.box.right, x + 1),
                           std::max<LONG>(ink.box.bottom, y + 1)};
            if (y < limit) ink.lowestAboveLimit = y + 1;
        }
    }
    DestroyCanvas(without);
    DestroyCanvas(with);
    return ink;
}

TEST(ProjectorMode, TheRunCaptionStaysClearOfEveryControl) {
    // The longest captions, at the end of a run: b with two decimals and V
    // with four, or the distance at b = 0; 5:4 is the narrowest screen.
    for (SIZE size : {SIZE{1024, 768}, SIZE{1280, 1024}, SIZE{1366, 768}, SIZE{1920, 1080}}) {
        for (double b : {0.38, 0.0}) {
            SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy) +
                         " b=" + std::to_string(b));
            HWND window = OpenFormation(size.cx, size.cy);
            g_nonlinearity = b;
            g_viscosity = 0.0015;
            ToggleProjector(window);
            g_frame = ComputeRunColumn(ComputeLastRunTick(0.0015), 0.0015);
            // The text's rows: above the bar and the half of its outline.
            const int textBottom = ComputeRunCaptionArea(size).bottom - size.cy / 80 - size.cy / 100;
            const ScreenView view = ReadScreenView(size);
            ASSERT_TRUE(view.runCaption);
            const CaptionInk ink = PaintCaptionInk(size, view, textBottom);
            const RECT caption = ink.box;
            ASSERT_LT(caption.left, caption.right) << "no caption";
            // Over the plots: right of the background's title, above the
            // first axis, and shrunk to its area where the screen is narrow.
            EXPECT_GE(caption.left, size.cx / 2);
            EXPECT_LT(caption.bottom, size.cy / 10 - 10);
            EXPECT_LE(caption.right, ComputeRunCaptionArea(size).right);
            for (const ChildWindow& control : ListChildren(window)) {
                EXPECT_FALSE(Overlap(caption, control.rect)) << "control " << control.id;
            }
            // On a wide screen the letters stand (like the digits, which
            // are as tall as b and t) at least 3.5 % of the height.
            if (b != 0 && size.cx * 9 >= size.cy * 16) {
                EXPECT_GE(ink.lowestAboveLimit - caption.top, size.cy * 35 / 1000);
            }
            g_projector = false;
            CloseProgramWindow(window);
        }
    }
}

TEST(ProjectorMode, ThePlotAlwaysShowsWhatTheLabelsSay) {
    HWND window = OpenFormation(1024, 768);
    PressButton(window, g_startPauseButton);
    g_frame = 400;
    // Off: a move waits for Reset, as ever.
    MoveSlider(window, g_nonlinearitySlider, 10);
    EXPECT_EQ(g_solvedNonlinearity, 0.3);
    EXPECT_EQ(g_frame, 400);
    // On: the pending move is computed at once, and so is every later one.
    ToggleProjector(window);
    EXPECT_EQ(g_solvedNonlinearity, 0.2);
    EXPECT_EQ(g_frame, 0);
    EXPECT_FALSE(g_running);
    MoveSlider(window, g_viscositySlider, 0);
    EXPECT_EQ(g_solvedViscosity, 0.0005);
    EXPECT_EQ(WindowText(g_viscosityLabel), L"V=0.0005");
    ToggleProjector(window);
    EXPECT_FALSE(g_projector);
    CloseProgramWindow(window);
}

TEST(BlankScreen, CoversEverythingAndGivesBackWhatItCovered) {
    HWND window = OpenFormation(1024, 768);
    PressButton(window, g_startPauseButton);
    SendMessageW(window, WM_TIMER, kAnimationTimerId, 0);
    const std::vector<ChildWindow> before = ListChildren(window);
    const HWND focus = GetFocus();
    BlankScreen(window, RGB(255, 255, 255));
    for (const ChildWindow& control : ListChildren(window)) {
        EXPECT_FALSE(IsWindowVisible(control.handle)) << "control " << control.id;
    }
    Canvas canvas = CreateCanvas(1024, 768, kUnpainted);
    PaintCurrentScreen(canvas.dc, window);
    GdiFlush();
    EXPECT_EQ(PixelAt(canvas, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(canvas, 1023, 767), RGB(255, 255, 255));
    // The run holds, and no command acts on controls that do not show.
    SendMessageW(window, WM_TIMER, kAnimationTimerId, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_RESET, BN_CLICKED), 0);
    EXPECT_EQ(g_frame, 4);
    EXPECT_TRUE(g_running);

    RestoreScreen(window);
    const std::vector<ChildWindow> after = ListChildren(window);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].handle, before[i].handle);
        EXPECT_TRUE(IsWindowVisible(after[i].handle)) << "control " << after[i].id;
    }
    EXPECT_EQ(GetFocus(), focus);
    SendMessageW(window, WM_TIMER, kAnimationTimerId, 0);
    EXPECT_EQ(g_frame, 8);
    DestroyCanvas(canvas);
    CloseProgramWindow(window);
}

TEST(ProjectorMode, ChosenByItsOptionAmongAnyOtherWords) {
    EXPECT_TRUE(ReadProjectorOption(L"kestrum-en.exe --projector"));
    EXPECT_TRUE(ReadProjectorOption(L"\"C:\\Program Files\\k\\kestrum-en.exe\" x --PROJECTOR"));
    EXPECT_FALSE(ReadProjectorOption(L"kestrum-en.exe"));
    EXPECT_FALSE(ReadProjectorOption(L"\"C:\\--projector\" --projectors"));
    EXPECT_FALSE(ReadProjectorOption(nullptr));
}

TEST(Displays, TheMonitorOptionIsAWholeNumberFromOne) {
    EXPECT_EQ(ReadMonitorOption(L"kestrum-en.exe --projector --MONITOR 2"), 2);
    EXPECT_EQ(ReadMonitorOption(L"kestrum-en.exe --monitor"), 0);
    EXPECT_EQ(ReadMonitorOption(L"kestrum-en.exe --monitor 0"), 0);
    EXPECT_EQ(ReadMonitorOption(L"kestrum-en.exe --monitor -1"), 0);
    EXPECT_EQ(ReadMonitorOption(L"kestrum-en.exe --monitor 2x"), 0);
    EXPECT_EQ(ReadMonitorOption(L"\"C:\\--monitor 3\""), 0);
}

}  // namespace
