// The main window as start-up leaves it, in-process under Wine.
#include "app.h"
#include "start_up.h"
#include "resource_ids.h"
#include "test_windows.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, WindowSizeHalvesTruncate) {
    const SIZE even = ComputeMainWindowSize(RECT{0, 0, 1366, 768});
    EXPECT_EQ(even.cx, 1366);
    EXPECT_EQ(even.cy, 768);
    const SIZE odd = ComputeMainWindowSize(RECT{0, 0, 1365, 767});
    EXPECT_EQ(odd.cx, 1364);
    EXPECT_EQ(odd.cy, 766);
}

TEST(StartUp, FontIsTheBoldCourierNewOfEveryControl) {
    LOGFONTW font = {};
    ASSERT_EQ(GetObjectW(g_font, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfHeight, -30);
    EXPECT_EQ(font.lfWidth, 15);
    EXPECT_EQ(font.lfOrientation, 10);
    EXPECT_EQ(font.lfWeight, 1000);
    EXPECT_EQ(font.lfQuality, ANTIALIASED_QUALITY);
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(font.lfFaceName, L"Courier New");
}

TEST(StartUp, MainWindowIsBorderlessMaximisedOverTheDesktop) {
    HWND window = CreateProgramWindow();
    ASSERT_NE(window, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    EXPECT_STREQ(className, L"Ondrel");
    EXPECT_EQ(WindowText(window), L"Ondrel");
    // The taskbar's icons are the program's own, not the system's default.
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON),
              reinterpret_cast<LONG_PTR>(LoadIconW(g_instance, MAKEINTRESOURCEW(IDI_KESTRUM))));
    EXPECT_NE(GetClassLongPtrW(window, GCLP_HICONSM), 0);

    // The platform adds WS_CLIPSIBLINGS to every top-level window, and the
    // show mode of the launcher may restore the maximised window to its
    // created size, which is the desktop's: it covers the screen either way.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_MAXIMIZE | WS_CLIPSIBLINGS), WS_CLIPCHILDREN);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_LE(GetMenuItemCount(GetMenu(window)), 0);
    RECT frame = {};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);

    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, desktop.right);
    EXPECT_EQ(client.bottom, desktop.bottom);
    EXPECT_EQ(g_screen, ScreenTitle);
    EXPECT_EQ(ListChildren(window).size(), 5u);
    DestroyMainWindow(window);
}

TEST(StartUp, BackgroundEraseDrawsNothing) {
    HWND window = CreateProgramWindow();
    HDC dc = GetDC(window);
    COLORREF before = GetPixel(dc, 5, 5);
    EXPECT_EQ(SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetPixel(dc, 5, 5), before);
    ReleaseDC(window, dc);
    DestroyMainWindow(window);
}

TEST(StartUp, ClosingTheWindowPostsQuitWithCodeZero) {
    HWND window = CreateProgramWindow();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
