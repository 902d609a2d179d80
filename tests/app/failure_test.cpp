// What the program does when it cannot go on: a window class or a main
// window that cannot be made, and memory that runs out in a command or at
// start-up. This program replaces the allocation functions, so that large
// allocations (grid and term-field rows) can be made to fail on demand.
#include "app.h"
#include "language.h"
#include "start_up.h"
#include "test_windows.h"

#include <malloc.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

// Rows of the grids and term fields are 16,000 bytes and more.
constexpr std::size_t kLargeAllocation = 10000;
// How many more large allocations succeed; -1: all of them.
int s_largeBeforeFailure = -1;
// Large blocks of plain new in use (term-field rows), to see that a failed
// build leaks none.
long s_largeInUse = 0;

void* Allocate(std::size_t size, void* (*allocate)(std::size_t)) {
    const bool large = size >= kLargeAllocation;
    if (large && s_largeBeforeFailure == 0) throw std::bad_alloc();
    if (large && s_largeBeforeFailure > 0) --s_largeBeforeFailure;
    void* memory = allocate(size != 0 ? size : 1);
    if (memory == nullptr) throw std::bad_alloc();
    return memory;
}

void* AllocateAligned(std::size_t size) {
    return _aligned_malloc(size, 64);
}

void ReleasePlain(void* memory) {
    if (memory != nullptr && _msize(memory) >= kLargeAllocation) --s_largeInUse;
    std::free(memory);
}

}  // namespace

void* operator new(std::size_t size) {
    void* memory = Allocate(size, std::malloc);
    s_largeInUse += size >= kLargeAllocation;
    return memory;
}
void operator delete(void* memory) noexcept {
    ReleasePlain(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    ReleasePlain(memory);
}
// The grid rows' alignment, 64 bytes, is the only one the program asks for.
void* operator new(std::size_t size, std::align_val_t) {
    return Allocate(size, AllocateAligned);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    _aligned_free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    _aligned_free(memory);
}

namespace {

// The message boxes shown, closed as soon as they are up.
int s_boxes = 0;
std::wstring s_boxText;

LRESULT CALLBACK CloseMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    wchar_t className[16] = {};
    if (code == HC_ACTION && call->message == WM_INITDIALOG &&
        GetClassNameW(call->hwnd, className, 16) && std::wstring(className) == L"#32770") {
        ++s_boxes;
        wchar_t text[256] = {};
        GetDlgItemTextW(call->hwnd, 0xFFFF, text, 256);
        s_boxText = text;
        PostMessageW(call->hwnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Refuses to create the main window.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t className[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16) &&
        std::wstring(className) == L"Ondrel") {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int RunWithHook(int kind, HOOKPROC hook) {
    HHOOK handle = SetWindowsHookExW(kind, hook, nullptr, GetCurrentThreadId());
    const int code = RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    UnhookWindowsHookEx(handle);
    UnregisterClassW(L"Ondrel", GetModuleHandleW(nullptr));
    return code;
}

TEST(Failures, AClassOrWindowThatCannotBeMadeIsToldAndEndsWithAFailureCode) {
    HHOOK boxes = SetWindowsHookExW(WH_CALLWNDPROCRET, CloseMessageBoxes, nullptr,
                                    GetCurrentThreadId());
    WNDCLASSW taken = {};
    taken.lpfnWndProc = DefWindowProcW;
    taken.hInstance = GetModuleHandleW(nullptr);
    taken.lpszClassName = L"Ondrel";
    ASSERT_NE(RegisterClassW(&taken), 0);
    EXPECT_EQ(RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL), kExitFailed);
    UnregisterClassW(L"Ondrel", GetModuleHandleW(nullptr));
    EXPECT_EQ(s_boxes, 1);
    EXPECT_EQ(s_boxText, kStartFailedText);

    s_boxText.clear();
    EXPECT_EQ(RunWithHook(WH_CBT, RefuseMainWindow), kExitFailed);
    UnhookWindowsHookEx(boxes);
    EXPECT_EQ(s_boxes, 2);
    EXPECT_EQ(s_boxText, kStartFailedText);
    s_boxes = 0;
}

TEST(Failures, MemoryThatRunsOutIsToldOnceAndEndsTheProgram) {
    HWND window = CreateProgramWindow();
    const long inUse = s_largeInUse;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, CloseMessageBoxes, nullptr,
                                   GetCurrentThreadId());
    // Half way through the rows of the first term field.
    s_largeBeforeFailure = 350;
    EXPECT_EQ(PressButton(window, g_formationButton), 0);
    s_largeBeforeFailure = -1;
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(s_boxes, 1);
    EXPECT_EQ(s_boxText, kOutOfMemoryText);
    // Nothing is left pointing at freed rows, and no row is lost.
    EXPECT_EQ(g_diffusionTerm, nullptr);
    EXPECT_EQ(g_nonlinearTerm, nullptr);
    EXPECT_EQ(s_largeInUse, inUse);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, static_cast<WPARAM>(kExitFailed));
    CloseProgramWindow(window);
    UnregisterClassW(L"Ondrel", GetModuleHandleW(nullptr));

    // At start-up, before any window: the same code, and no second box.
    s_largeBeforeFailure = 0;
    const int code = RunWithHook(WH_CALLWNDPROCRET, CloseMessageBoxes);
    s_largeBeforeFailure = -1;
    EXPECT_EQ(code, kExitFailed);
    EXPECT_EQ(s_boxes, 1);
}

}  // namespace
