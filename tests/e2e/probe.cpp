// Prints the state of the running program's main window, for the
// end-to-end script: run under Wine in the program's prefix and display,
// it finds the window by class and title and writes one tab-separated
// line for the window and one per child, in UTF-8:
//   window <left> <top> <right> <bottom> <clientW> <clientH> <style> <exStyle>
//   child <class> <id> <x> <y> <w> <h> <visible> <trackbarPos> <text>
// Child rectangles are in the main window's client coordinates; the
// trackbar position is -1 for other controls. Exit code 1: no window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

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
    // Only direct children: a trackbar's own tooltip or buddies are not the program's.
    if (GetParent(child) != parent) return TRUE;
    RECT rect;
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

}  // namespace

int main() {
    const HWND window = FindWindowW(L"Ondrel", L"Ondrel");
    if (!window) {
        std::printf("none\n");
        return 1;
    }
    RECT windowRect;
    RECT clientRect;
    GetWindowRect(window, &windowRect);
    GetClientRect(window, &clientRect);
    std::printf("window\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t0x%08lx\t0x%08lx\n", windowRect.left,
                windowRect.top, windowRect.right, windowRect.bottom, clientRect.right,
                clientRect.bottom, static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    std::fflush(stdout);
    return 0;
}
