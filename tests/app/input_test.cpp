// Clicks and keys as the system delivers them, through the program's own
// message loop filter: the second click of a double-click after a screen
// change, the keypad's digits and a held key. Every key of the table is
// pressed for real by tests/e2e/run-keys.sh.
#include "app.h"
#include "keys.h"
#include "test_windows.h"

#include <gtest/gtest.h>

namespace {

// What the program's message loop does, without the paints.
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

// A click on `button` at `time` (ms), as the system delivers it.
void Click(HWND window, HWND button, DWORD time) {
    RECT place = {};
    GetWindowRect(button, &place);
    MSG message = {button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), time,
                   POINT{place.left + 5, place.top + 5}};
    for (UINT event : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        message.message = event;
        message.wParam = event == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
        if (!PreTranslateProgramMessage(window, message)) DispatchMessageW(&message);
    }
    PumpThroughProgram(window);
}

TEST(Clicks, TheSecondClickOfADoubleClickStaysOnTheScreenTheFirstOpened) {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    PressButton(window, g_theoryButton);
    const DWORD later = GetDoubleClickTime() + 50;
    DWORD time = 100000;
    // Menu, and at once a click where Authors now stands.
    Click(window, g_menuButton, time);
    ASSERT_EQ(g_screen, ScreenTitle);
    Click(window, g_authorsButton, time += 1);
    EXPECT_EQ(g_screen, ScreenTitle);

    Click(window, g_authorsButton, time += later);
    ASSERT_EQ(g_screen, ScreenAuthors);
    Click(window, g_menuButton, time += 1);
    EXPECT_EQ(g_screen, ScreenAuthors);
    // Later, a click is a click of its own.
    Click(window, g_menuButton, time += later);
    EXPECT_EQ(g_screen, ScreenTitle);
    CloseProgramWindow(window);
}

// A key as the system sends it to the control with the focus; `held` is an
// automatic repeat of a key held down.
void PressKey(HWND window, UINT key, bool held = false) {
    const LPARAM repeat = held ? (1 << 30) : 0;
    PostMessageW(GetFocus() != nullptr ? GetFocus() : window, WM_KEYDOWN, key, repeat | 1);
    PumpThroughProgram(window);
}

TEST(Keys, KeypadDigitsAreDigitsAndAHeldKeyActsOnce) {
    ResetProgramGlobals();
    HWND window = CreateProgramWindow();
    PressButton(window, g_formationButton);
    for (UINT key : {VK_NUMPAD5, VK_NUMPAD0, VK_NUMPAD1}) {
        PressKey(window, key);
        EXPECT_EQ(g_scale, key == VK_NUMPAD5 ? 5 : key == VK_NUMPAD0 ? 10 : 1) << key;
    }
    PressKey(window, VK_SPACE);
    ASSERT_TRUE(g_running);
    PressKey(window, VK_SPACE, true);
    EXPECT_TRUE(g_running);
    PressKey(window, VK_SPACE);
    EXPECT_FALSE(g_running);
    // A remote's "next" and "previous" never move the focused slider.
    ASSERT_EQ(GetFocus(), g_nonlinearitySlider);
    PressKey(window, VK_NEXT);
    EXPECT_EQ(g_screen, ScreenFormation);
    EXPECT_EQ(g_nonlinearity, 0.3);
    PressKey(window, VK_PRIOR);
    EXPECT_EQ(g_nonlinearity, 0.3);
    EXPECT_EQ(g_screen, ScreenPropagation);
    CloseProgramWindow(window);
}

}  // namespace
