// Keys and clicks as the system delivers them, through the program's own
// message loop filter: the keys of each screen, Tab and Enter, and the
// second click of a double-click after a screen change.
#include "app.h"
#include "keys.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the program's message loop does, without the paints: the
// propagation plot would hold the test for 4.5 s.
void PumpThroughProgram(HWND window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
        } else if (message.message != WM_QUIT &&
                   !PreTranslateProgramMessage(window, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// A key to the control with the focus, or to the window.
void PressKey(HWND window, UINT key) {
    HWND target = GetFocus() != nullptr ? GetFocus() : window;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PumpThroughProgram(window);
}

void Click(HWND window, HWND button) {
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpThroughProgram(window);
}

TEST(Keys, WalkTheLectureAndDriveTheAnimation) {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    PressKey(window, VK_ESCAPE);
    EXPECT_EQ(g_screen, ScreenTitle) << "Escape on the title screen does nothing";
    for (int screen : {ScreenTheory, ScreenPropagation, ScreenFormation}) {
        PressKey(window, VK_NEXT);
        EXPECT_EQ(g_screen, screen);
    }
    // The focused b slider keeps Page Down.
    PressKey(window, VK_NEXT);
    EXPECT_EQ(g_screen, ScreenFormation);
    EXPECT_EQ(g_nonlinearity, 0.38);

    const std::vector<HWND> order = {g_startPauseButton, g_scale1Button, g_resetButton,
                                     g_scale5Button,     g_menuButton,   g_scale10Button,
                                     g_viscositySlider,  g_nonlinearitySlider};
    for (HWND next : order) {
        PressKey(window, VK_TAB);
        EXPECT_EQ(GetFocus(), next);
    }
    // Space starts and stops, whatever button has the focus.
    SetFocus(g_resetButton);
    PressKey(window, VK_SPACE);
    EXPECT_TRUE(g_running);
    PressKey(window, VK_F5);
    EXPECT_FALSE(g_running);
    PressKey(window, '0');
    EXPECT_EQ(g_scale, 10);
    // Enter presses the focused button, which keeps the focus.
    SetFocus(g_startPauseButton);
    PressKey(window, VK_RETURN);
    EXPECT_TRUE(g_running);
    EXPECT_EQ(GetFocus(), g_startPauseButton);
    PressKey(window, 'R');
    EXPECT_FALSE(g_running);
    EXPECT_EQ(g_frame, 0);
    PressKey(window, VK_ESCAPE);
    EXPECT_EQ(g_screen, ScreenTitle);
    PressKey(window, 'A');
    EXPECT_EQ(g_screen, ScreenAuthors);
    PressKey(window, VK_PRIOR);
    EXPECT_EQ(g_screen, ScreenTitle);
    CloseProgramWindow(window);
}

TEST(Clicks, TheSecondClickOfADoubleClickStaysOnTheScreenTheFirstOpened) {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    PressButton(window, g_theoryButton);
    // Menu, and at once a click where Authors now stands.
    Click(window, g_menuButton);
    ASSERT_EQ(g_screen, ScreenTitle);
    Click(window, g_authorsButton);
    EXPECT_EQ(g_screen, ScreenTitle);

    Sleep(GetDoubleClickTime() + 50);
    Click(window, g_authorsButton);
    ASSERT_EQ(g_screen, ScreenAuthors);
    Click(window, g_menuButton);
    EXPECT_EQ(g_screen, ScreenAuthors);
    // Later, a click is a click of its own.
    Sleep(GetDoubleClickTime() + 50);
    Click(window, g_menuButton);
    EXPECT_EQ(g_screen, ScreenTitle);
    CloseProgramWindow(window);
}

}  // namespace
