// Clicks as the system delivers them, through the program's own message
// loop filter: the second click of a double-click after a screen change.
// The keys are pressed for real by tests/e2e/run-keys.sh.
#include "app.h"
#include "keys.h"
#include "test_windows.h"

#include <gtest/gtest.h>

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

void Click(HWND window, HWND button) {
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpThroughProgram(window);
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
