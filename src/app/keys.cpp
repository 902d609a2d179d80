#include "keys.h"

#include "app.h"
#include "display_modes.h"
#include "displays.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// What a key does on a screen: the clicks it stands for, on the buttons
// with these command ids, in turn (0 ends the list; a row without any
// takes the key from the control that has the focus and does nothing).
struct KeyCommand {
    int screen;
    UINT key;  // virtual-key code, the same on every keyboard layout
    int commands[2];
};

constexpr KeyCommand kKeyCommands[] = {
    {ScreenTheory, VK_ESCAPE, {ID_MENU}},
    {ScreenAuthors, VK_ESCAPE, {ID_MENU}},
    {ScreenPropagation, VK_ESCAPE, {ID_MENU}},
    {ScreenFormation, VK_ESCAPE, {ID_MENU}},
    // Page Down and Page Up walk the lecture: title, theory, propagation,
    // formation, as a presentation remote sends them.
    {ScreenTitle, VK_NEXT, {ID_THEORY}},
    {ScreenTheory, VK_NEXT, {ID_MENU, ID_PROPAGATION}},
    {ScreenAuthors, VK_NEXT, {ID_MENU}},
    {ScreenPropagation, VK_NEXT, {ID_MENU, ID_FORMATION}},
    // A remote's "next" and "previous" never move a slider: the lecture
    // ends here, and "previous" goes back to Wave propagation.
    {ScreenFormation, VK_NEXT, {}},
    {ScreenFormation, VK_PRIOR, {ID_MENU, ID_PROPAGATION}},
    {ScreenTheory, VK_PRIOR, {ID_MENU}},
    {ScreenAuthors, VK_PRIOR, {ID_MENU}},
    {ScreenPropagation, VK_PRIOR, {ID_MENU, ID_THEORY}},
    {ScreenTitle, '1', {ID_THEORY}},
    {ScreenTitle, '2', {ID_PROPAGATION}},
    {ScreenTitle, '3', {ID_FORMATION}},
    {ScreenTitle, 'A', {ID_AUTHORS}},
    {ScreenFormation, '1', {ID_SCALE_1}},
    {ScreenFormation, '5', {ID_SCALE_5}},
    {ScreenFormation, '0', {ID_SCALE_10}},
    // Whatever has the focus: Space never presses another button here.
    {ScreenFormation, VK_SPACE, {ID_START_PAUSE}},
    {ScreenFormation, VK_F5, {ID_START_PAUSE}},
    {ScreenFormation, 'R', {ID_RESET}},
};

// Keys of every screen that change how it looks, not what it shows.
struct ModeKey {
    UINT key;
    void (*act)(HWND window);
};

void BlankBlack(HWND window) {
    BlankScreen(window, RGB(0, 0, 0));
}

void BlankWhite(HWND window) {
    BlankScreen(window, RGB(255, 255, 255));
}

// B and W, and the full stop and comma that presentation remotes send for
// a black or white screen.
constexpr ModeKey kModeKeys[] = {
    {'P', ToggleProjector},
    {'M', MoveToNextMonitor},
    {'B', BlankBlack},
    {VK_OEM_PERIOD, BlankBlack},
    {'W', BlankWhite},
    {VK_OEM_COMMA, BlankWhite},
};

const ModeKey* FindModeKey(UINT key) {
    for (const ModeKey& mode : kModeKeys) {
        if (mode.key == key) return &mode;
    }
    return nullptr;
}

bool IsModifierKey(UINT key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_LWIN || key == VK_RWIN ||
           key == VK_CAPITAL;
}

// The digits of the numeric keypad stand for those of the top row.
UINT ReadKey(WPARAM key) {
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        return static_cast<UINT>('0' + (key - VK_NUMPAD0));
    }
    return static_cast<UINT>(key);
}

const KeyCommand* FindKeyCommand(int screen, UINT key) {
    for (const KeyCommand& command : kKeyCommands) {
        if (command.screen == screen && command.key == key) return &command;
    }
    return nullptr;
}

// What a click on the button of this command sends, if the button is
// there to be clicked.
bool PressButton(HWND window, int id) {
    HWND button = GetDlgItem(window, id);
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
        return false;
    }
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

bool IsControlOfClass(HWND control, const wchar_t* className) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    return lstrcmpiW(name, className) == 0;
}

BOOL CALLBACK AddTabStop(HWND child, LPARAM list) {
    if (IsWindowVisible(child) && IsWindowEnabled(child) &&
        (IsControlOfClass(child, L"Button") || IsControlOfClass(child, TRACKBAR_CLASSW))) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    }
    return TRUE;
}

// The screen's buttons and sliders in reading order: by rows, then left
// to right.
std::vector<HWND> ListTabStops(HWND window) {
    std::vector<HWND> stops;
    EnumChildWindows(window, AddTabStop, reinterpret_cast<LPARAM>(&stops));
    // A trackbar's own child windows are not the screen's.
    stops.erase(std::remove_if(stops.begin(), stops.end(),
                               [window](HWND stop) { return GetParent(stop) != window; }),
                stops.end());
    std::sort(stops.begin(), stops.end(), [](HWND a, HWND b) {
        RECT first = {};
        RECT second = {};
        GetWindowRect(a, &first);
        GetWindowRect(b, &second);
        return first.top != second.top ? first.top < second.top : first.left < second.left;
    });
    return stops;
}

void MoveFocus(HWND window, bool backward) {
    const std::vector<HWND> stops = ListTabStops(window);
    if (stops.empty()) return;
    const int count = static_cast<int>(stops.size());
    const auto current = std::find(stops.begin(), stops.end(), GetFocus());
    int next = backward ? count - 1 : 0;
    if (current != stops.end()) {
        const int index = static_cast<int>(current - stops.begin());
        next = (index + (backward ? count - 1 : 1)) % count;
    }
    SetFocus(stops[next]);
    // Show the focus, as the platform does once the keyboard is in use.
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool HandleKey(HWND window, const MSG& message) {
    const UINT key = ReadKey(message.wParam);
    const bool repeated = (message.lParam & (1 << 30)) != 0;
    // Any key brings back what a blank screen covers, and does nothing else.
    if (g_blank) {
        if (IsModifierKey(key)) return false;
        if (!repeated) RestoreScreen(window);
        return true;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        return false;
    }
    if (const ModeKey* mode = FindModeKey(key)) {
        if (!repeated) mode->act(window);
        return true;
    }
    if (key == VK_TAB) {
        MoveFocus(window, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    HWND focus = GetFocus();
    if (key == VK_RETURN && focus != nullptr && GetParent(focus) == window &&
        IsControlOfClass(focus, L"Button")) {
        if (!repeated) PressButton(window, GetDlgCtrlID(focus));
        return true;
    }
    const KeyCommand* command = FindKeyCommand(g_screen, key);
    if (command == nullptr) {
        return false;
    }
    // Holding a key down does not repeat its command.
    if (!repeated) {
        for (int id : command->commands) {
            if (id == 0 || !PressButton(window, id)) break;
        }
    }
    return true;
}

// The second click of a double-click whose first click changed the screen
// lands on whatever the new screen has put under the pointer: it is not a
// click on that. As for the system, a double-click is two clicks within
// the double-click time and rectangle.
bool IsSecondClickOnNewScreen(HWND window, const MSG& message) {
    static DWORD s_lastClickTime = 0;
    static POINT s_lastClickPoint = {};
    static unsigned s_screenChangesAtLastClick = 0;
    if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONDBLCLK) {
        return false;
    }
    if (message.hwnd != window && !IsChild(window, message.hwnd)) {
        return false;
    }
    const bool second = message.time - s_lastClickTime < GetDoubleClickTime() &&
                        2 * std::abs(message.pt.x - s_lastClickPoint.x) <=
                            GetSystemMetrics(SM_CXDOUBLECLK) &&
                        2 * std::abs(message.pt.y - s_lastClickPoint.y) <=
                            GetSystemMetrics(SM_CYDOUBLECLK);
    const bool screenChanged = g_screenChanges != s_screenChangesAtLastClick;
    s_lastClickTime = message.time;
    s_lastClickPoint = message.pt;
    s_screenChangesAtLastClick = g_screenChanges;
    return second && screenChanged && message.hwnd != window;
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

}  // namespace

bool PreTranslateProgramMessage(HWND window, const MSG& message) {
    const bool ours = message.hwnd == window || IsChild(window, message.hwnd);
    if (message.message == WM_KEYDOWN && ours) {
        return HandleKey(window, message);
    }
    // A click on a blank screen brings it back and is no click on anything.
    if (g_blank && ours && IsButtonDown(message.message)) {
        RestoreScreen(window);
        return true;
    }
    return IsSecondClickOnNewScreen(window, message);
}
