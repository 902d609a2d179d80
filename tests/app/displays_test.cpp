// A new size or scale lays the screen out again: the controls stand as a
// fresh visit at that size puts them, and nothing of the state changes.
#include "app.h"
#include "display_modes.h"
#include "navigation.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Control = std::tuple<int, std::wstring, std::wstring, LONG, LONG, LONG, LONG, bool>;

// Every control of the window, with its place, text and visibility.
std::vector<Control> ListControls(HWND window) {
    std::vector<Control> controls;
    for (const ChildWindow& c : ListChildren(window)) {
        controls.emplace_back(c.id, c.className, c.text, c.rect.left, c.rect.top, c.rect.right,
                              c.rect.bottom, IsWindowVisible(c.handle) != FALSE);
    }
    return controls;
}

TEST(Displays, ANewSizeLaysTheScreenOutAsAFreshVisitAndKeepsTheState) {
    for (int screen : {ScreenTitle, ScreenPropagation, ScreenFormation}) {
        for (bool blank : {false, true}) {
            SCOPED_TRACE(testing::Message() << "screen " << screen << (blank ? ", blank" : ""));
            ResetProgramGlobals();
            HWND window = CreateProgramWindow();
            ChangeScreen(window, screen);
            if (screen == ScreenFormation) {
                MoveSlider(window, g_viscositySlider, 0);
                PressButton(window, g_startPauseButton);
                SendMessageW(window, WM_TIMER, kAnimationTimerId, 0);
                PressButton(window, g_scale5Button);
            }
            SendMessageW(window, WM_TIMER, kStageTimerId, 0);
            HWND* focused = screen == ScreenFormation ? &g_resetButton : &g_menuButton;
            if (screen == ScreenTitle) focused = &g_exitButton;
            SetFocus(*focused);
            if (blank) BlankScreen(window, RGB(0, 0, 0));
            const auto state = std::make_tuple(g_frame, g_running, g_viscosity, g_scale, g_stages);

            ResizeClientArea(window, 1366, 768);
            EXPECT_EQ(std::make_tuple(g_frame, g_running, g_viscosity, g_scale, g_stages), state);
            for (const Control& control : ListControls(window)) {
                EXPECT_EQ(std::get<7>(control), !blank) << std::get<0>(control);
            }
            if (blank) RestoreScreen(window);
            EXPECT_EQ(GetFocus(), *focused);
            const std::vector<Control> laidOut = ListControls(window);
            // A fresh visit at this size, in the same state of the run.
            const bool running = g_running;
            LeaveScreen(window);
            g_running = running;
            EnterScreen(window, screen);
            EXPECT_EQ(laidOut, ListControls(window));
            g_running = false;
            CloseProgramWindow(window);
        }
    }
}

}  // namespace
