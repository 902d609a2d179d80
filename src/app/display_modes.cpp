#include "display_modes.h"

#include "app.h"
#include "commands.h"

#include <cwctype>
#include <string>
#include <vector>

namespace {

// The controls a blank screen hid, and the one that had the focus.
std::vector<HWND> s_hiddenControls;
HWND s_focusBeforeBlank = nullptr;

BOOL CALLBACK HideControl(HWND child, LPARAM owner) {
    if (GetParent(child) == reinterpret_cast<HWND>(owner) && IsWindowVisible(child)) {
        ShowWindow(child, SW_HIDE);
        s_hiddenControls.push_back(child);
    }
    return TRUE;
}

// The words of a command line, the program's own name (perhaps quoted)
// first, as the platform splits them for plain arguments. Split here, not
// by CommandLineToArgvW, so that the programs need no SHELL32.
std::vector<std::wstring> SplitWords(const wchar_t* line) {
    std::vector<std::wstring> words;
    std::wstring word;
    bool quoted = false;
    for (const wchar_t* c = line; c != nullptr && *c != L'\0'; ++c) {
        if (*c == L'"') {
            quoted = !quoted;
        } else if (!quoted && std::iswspace(*c)) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

}  // namespace

bool ReadProjectorOption(const wchar_t* commandLine) {
    const std::vector<std::wstring> words = SplitWords(commandLine);
    for (size_t i = 1; i < words.size(); ++i) {
        if (lstrcmpiW(words[i].c_str(), L"--projector") == 0) return true;
    }
    return false;
}

void ToggleProjector(HWND window) {
    g_projector = !g_projector;
    ApplySlidersInProjectorMode(window);
    InvalidateRect(window, nullptr, TRUE);
}

void BlankScreen(HWND window, COLORREF colour) {
    g_blank = true;
    g_blankColour = colour;
    s_focusBeforeBlank = GetFocus();
    s_hiddenControls.clear();
    EnumChildWindows(window, HideControl, reinterpret_cast<LPARAM>(window));
    InvalidateRect(window, nullptr, TRUE);
}

void RestoreScreen(HWND window) {
    g_blank = false;
    for (HWND control : s_hiddenControls) {
        if (IsWindow(control)) ShowWindow(control, SW_SHOWNA);
    }
    s_hiddenControls.clear();
    if (s_focusBeforeBlank != nullptr && IsWindow(s_focusBeforeBlank)) {
        SetFocus(s_focusBeforeBlank);
    }
    s_focusBeforeBlank = nullptr;
    InvalidateRect(window, nullptr, TRUE);
}
