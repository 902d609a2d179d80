// Reports the running program's main window to the end-to-end script.
// Run under Wine in the program's prefix and display, it finds the window
// by class and title. Without arguments it writes tab-separated UTF-8
// lines: the window, the button face colour of the system, and one line
// per child:
//   window <left> <top> <right> <bottom> <clientW> <clientH> <style> <exStyle>
//   btnface <RRGGBB>
//   child <class> <id> <x> <y> <w> <h> <visible> <trackbarPos> <text>
//   focus <id> <x> <y>     (the control with the keyboard focus, or "focus none")
// Child rectangles are in the main window's client coordinates; the
// trackbar position is -1 for other controls.
// With the argument "busy" it writes "busy" when the window's thread does
// not answer a message within a second (it is inside a long paint), else
// "idle". With "time-key KEY SCREEN" it presses the key (a virtual-key
// code) as the keyboard would and writes how many milliseconds passed until
// the window showed SCREEN: "title" (the title panel is up) or "blank" (no
// control is visible), or "timeout" after two seconds. With "resolution W
// H" it changes the display's resolution (in a Wine virtual desktop, that
// desktop's size). KESTRUM_PROBE_DESKTOP names a desktop to join first.
// Exit code 1: no window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr UINT kBusyTimeoutMs = 1000;

std::string ConvertToUtf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], size,
                        nullptr, nullptr);
    return result;
}

std::wstring ReadClassName(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

std::wstring ReadWindowText(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parentParam) {
    const HWND parent = reinterpret_cast<HWND>(parentParam);
    // Only direct children: windows that a control makes for itself are not the program's.
    if (GetParent(child) != parent) return TRUE;
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    const std::wstring className = ReadClassName(child);
    long position = -1;
    if (lstrcmpiW(className.c_str(), TRACKBAR_CLASSW) == 0)
        position = static_cast<long>(SendMessageW(child, TBM_GETPOS, 0, 0));
    std::printf("child\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t%d\t%ld\t%s\n",
                ConvertToUtf8(className).c_str(), GetDlgCtrlID(child), rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, IsWindowVisible(child) ? 1 : 0,
                position, ConvertToUtf8(ReadWindowText(child)).c_str());
    return TRUE;
}

void PrintWindowState(HWND window) {
    RECT windowRect = {};
    RECT clientRect = {};
    GetWindowRect(window, &windowRect);
    GetClientRect(window, &clientRect);
    std::printf("window\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t0x%08lx\t0x%08lx\n", windowRect.left,
                windowRect.top, windowRect.right, windowRect.bottom, clientRect.right,
                clientRect.bottom, static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::printf("btnface\t%02X%02X%02X\n", GetRValue(face), GetGValue(face), GetBValue(face));
    EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    if (thread.hwndFocus != nullptr && GetParent(thread.hwndFocus) == window) {
        RECT rect = {};
        GetWindowRect(thread.hwndFocus, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("focus\t%d\t%ld\t%ld\n", GetDlgCtrlID(thread.hwndFocus), rect.left, rect.top);
    } else {
        std::printf("focus\tnone\n");
    }
}

constexpr ULONGLONG kKeyTimeoutMs = 2000;

BOOL CALLBACK NoteVisibleChild(HWND child, LPARAM found) {
    auto* ids = reinterpret_cast<std::string*>(found);
    if (IsWindowVisible(child)) *ids += std::to_string(GetDlgCtrlID(child)) + " ";
    return TRUE;
}

bool Shows(HWND window, const char* screen) {
    std::string visible;
    EnumChildWindows(window, NoteVisibleChild, reinterpret_cast<LPARAM>(&visible));
    if (std::strcmp(screen, "blank") == 0) return visible.empty();
    // The Burgers equation button, 1010, stands on the title screen only.
    return visible.find("1010 ") != std::string::npos;
}

void TimeKey(HWND window, WORD key, const char* screen) {
    SetForegroundWindow(window);
    INPUT presses[2] = {};
    for (INPUT& press : presses) {
        press.type = INPUT_KEYBOARD;
        press.ki.wVk = key;
    }
    presses[1].ki.dwFlags = KEYEVENTF_KEYUP;
    const ULONGLONG start = GetTickCount64();
    SendInput(2, presses, sizeof(INPUT));
    for (ULONGLONG now = start; now - start < kKeyTimeoutMs; now = GetTickCount64()) {
        if (Shows(window, screen)) {
            std::printf("%llu\n", now - start);
            return;
        }
        Sleep(2);
    }
    std::printf("timeout\n");
}

}  // namespace

int main(int argc, char** argv) {
    // Windows of another desktop are found only from that desktop.
    if (const char* desktop = std::getenv("KESTRUM_PROBE_DESKTOP")) {
        const HDESK joined = OpenDesktopA(desktop, 0, FALSE, GENERIC_ALL);
        if (joined == nullptr || !SetThreadDesktop(joined)) return 2;
    }
    if (argc > 3 && std::strcmp(argv[1], "resolution") == 0) {
        DEVMODEW mode = {};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(std::atoi(argv[2]));
        mode.dmPelsHeight = static_cast<DWORD>(std::atoi(argv[3]));
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
        std::printf("%ld\n", result);
        return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
    }
    const HWND window = FindWindowW(L"Ondrel", L"Ondrel");
    if (!window) {
        std::printf("none\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "busy") == 0) {
        DWORD_PTR result = 0;
        const bool answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                                  kBusyTimeoutMs, &result) != 0;
        std::printf("%s\n", answered ? "idle" : "busy");
    } else if (argc > 3 && std::strcmp(argv[1], "time-key") == 0) {
        TimeKey(window, static_cast<WORD>(std::atoi(argv[2])), argv[3]);
    } else {
        PrintWindowState(window);
    }
    std::fflush(stdout);
    return 0;
}
