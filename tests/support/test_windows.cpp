#include "test_windows.h"

#include "app.h"
#include "start_up.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <stdexcept>
#include <utility>

void Require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error("test set-up failed: " + what);
    }
}

// The window timers the program has on: recorded, never ticking, so that
// no test meets a tick it did not send itself.
static std::set<std::pair<HWND, UINT_PTR>> s_timers;

static UINT_PTR RecordTimerOn(HWND window, UINT_PTR id, UINT) {
    s_timers.insert({window, id});
    return 1;
}

static void RecordTimerOff(HWND window, UINT_PTR id) {
    s_timers.erase({window, id});
}

void PrepareProgramState() {
    static bool prepared = false;
    g_instance = GetModuleHandleW(nullptr);
    g_setTimer = RecordTimerOn;
    g_killTimer = RecordTimerOff;
    if (!prepared) {
        PrepareSolution();
        prepared = true;
    }
}

void ResetProgramGlobals() {
    g_screen = ScreenTitle;
    g_frame = 0;
    g_running = false;
    g_stages = 0;
    g_scale = 1;
    g_viscosity = 0.002;
    g_nonlinearity = 0.3;
    for (HWND* control :
         {&g_theoryButton, &g_propagationButton, &g_formationButton, &g_exitButton,
          &g_authorsButton, &g_startPauseButton, &g_resetButton, &g_menuButton, &g_scale1Button,
          &g_scale5Button, &g_scale10Button, &g_viscositySlider, &g_nonlinearitySlider,
          &g_viscosityLabel, &g_nonlinearityLabel}) {
        *control = nullptr;
    }
}

HWND CreateProgramWindow() {
    PrepareProgramState();
    Require(RegisterControlClasses(), "the common controls are registered, as start-up does");
    WNDCLASSW registered = {};
    if (!GetClassInfoW(g_instance, kMainWindowClass, &registered)) {
        Require(RegisterMainWindowClass(g_instance) != 0, "the window class is registered");
    }
    // A destroyed window takes its menu bar with it; the program has only
    // one window, a test may create several.
    if (!IsMenu(g_menuBar)) {
        g_menuBar = CreateMenu();
    }
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    HWND window = CreateMainWindow(g_instance, POINT{0, 0}, ComputeMainWindowSize(desktop));
    Require(window != nullptr, "the main window is created");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    PumpMessages();
    return window;
}

void DestroyMainWindow(HWND window) {
    DestroyWindow(window);
    // WM_DESTROY posted the quit message for WinMain's loop; drop it here.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void CloseProgramWindow(HWND window) {
    ValidateRect(window, nullptr);
    DestroyMainWindow(window);
    s_timers.clear();
    ResetProgramGlobals();
}

LRESULT PressButton(HWND window, HWND button) {
    EXPECT_TRUE(IsWindow(button)) << "pressing a button that is not there";
    return SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
}

void MoveSlider(HWND window, HWND slider, int position) {
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    EXPECT_EQ(SendMessageW(window, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                           reinterpret_cast<LPARAM>(slider)),
              0);
}

bool TimerIsRunning(HWND window, UINT_PTR id) {
    return s_timers.count({window, id}) != 0;
}

static WNDPROC s_mainProc = nullptr;

// The main window's procedure, except that the window may grow beyond the
// desktop, so that tests can give it any client size.
static LRESULT CALLBACK UnboundedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMaxTrackSize = POINT{16384, 16384};
        limits->ptMaxSize = POINT{16384, 16384};
        return 0;
    }
    return CallWindowProcW(s_mainProc, window, message, wParam, lParam);
}

void ResizeClientArea(HWND window, int width, int height) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != UnboundedProc) {
        s_mainProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UnboundedProc)));
    }
    RECT client = {};
    GetClientRect(window, &client);
    RECT frame = {};
    GetWindowRect(window, &frame);
    const int extraWidth = (frame.right - frame.left) - client.right;
    const int extraHeight = (frame.bottom - frame.top) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, width + extraWidth, height + extraHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(window, &client);
    Require(client.right == width && client.bottom == height,
            "the main window's client area is " + std::to_string(width) + " x " +
                std::to_string(height));
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND CreateTestParent(int width, int height) {
    static ATOM registered = 0;
    if (registered == 0) {
        WNDCLASSW parentClass = {};
        parentClass.lpfnWndProc = DefWindowProcW;
        parentClass.hInstance = GetModuleHandleW(nullptr);
        parentClass.lpszClassName = L"KestrumTestParent";
        registered = RegisterClassW(&parentClass);
    }
    HWND window = CreateWindowExW(0, L"KestrumTestParent", L"", WS_POPUP, 0, 0, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT client = {};
    GetClientRect(window, &client);
    Require(window != nullptr && client.right == width && client.bottom == height,
            "a test window of " + std::to_string(width) + " x " + std::to_string(height));
    return window;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

RECT ChildRect(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

static BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    auto* children = reinterpret_cast<std::vector<ChildWindow>*>(list);
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    children->push_back(ChildWindow{child, GetDlgCtrlID(child), className, WindowText(child),
                                    ChildRect(child), GetWindowLongW(child, GWL_STYLE),
                                    GetWindowLongW(child, GWL_EXSTYLE)});
    return TRUE;
}

std::vector<ChildWindow> ListChildren(HWND parent) {
    std::vector<ChildWindow> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    // Only direct children: the trackbars may own windows of their own.
    std::vector<ChildWindow> direct;
    for (const ChildWindow& child : children) {
        if (GetParent(child.handle) == parent) direct.push_back(child);
    }
    return direct;
}
