#include "displays.h"

#include "navigation.h"

#include <algorithm>

namespace {

// The monitor the program put the window on: two monitors may overlap (a
// mirrored projector), so the window's own position cannot always tell.
HMONITOR s_monitor = nullptr;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
    return TRUE;
}

// False when `monitor` is gone (or null); `info` is then all zero.
bool ReadMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
    info = MONITORINFO{};
    info.cbSize = sizeof info;
    return monitor != nullptr && GetMonitorInfoW(monitor, &info);
}

bool IsPrimary(HMONITOR monitor) {
    MONITORINFO info;
    return ReadMonitorInfo(monitor, info) && (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

bool IsMonitor(HMONITOR monitor) {
    MONITORINFO info;
    return ReadMonitorInfo(monitor, info);
}

// The monitor the program put the window on, or the one it is on.
HMONITOR ReadCurrentMonitor(HWND window) {
    return IsMonitor(s_monitor) ? s_monitor : MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
}

// The window over the whole of the monitor, unless it is there already.
void CoverMonitor(HWND window, HMONITOR monitor) {
    const RECT area = ReadMonitorRect(monitor);
    RECT now = {};
    GetWindowRect(window, &now);
    if (!EqualRect(&now, &area)) {
        SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

std::vector<HMONITOR> ListMonitors() {
    std::vector<HMONITOR> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    std::stable_partition(monitors.begin(), monitors.end(), IsPrimary);
    return monitors;
}

HMONITOR ChooseStartMonitor(int asked) {
    const std::vector<HMONITOR> monitors = ListMonitors();
    if (asked >= 1 && asked <= static_cast<int>(monitors.size())) {
        return monitors[asked - 1];
    }
    POINT pointer = {};
    GetCursorPos(&pointer);
    return MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY);
}

RECT ReadMonitorRect(HMONITOR monitor) {
    MONITORINFO info;
    ReadMonitorInfo(monitor, info);
    return info.rcMonitor;
}

void FitToMonitor(HWND window, HMONITOR monitor) {
    s_monitor = monitor;
    // A minimised window is put on its monitor when it is shown again.
    if (IsIconic(window)) {
        return;
    }
    if (!IsZoomed(window)) {
        ShowWindow(window, SW_MAXIMIZE);
    }
    CoverMonitor(window, monitor);
    LayOutScreenIfResized(window);
}

void FollowTheScreen(HWND window) {
    if (IsZoomed(window)) {
        RECT now = {};
        GetWindowRect(window, &now);
        const RECT kept = ReadMonitorRect(s_monitor);
        // Moved by the system to another monitor (Win+Shift+arrow), or the
        // monitor is gone: the window stays on the one it is on now.
        if (!IsMonitor(s_monitor) || (!EqualRect(&now, &kept) &&
                                      MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) != s_monitor)) {
            s_monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        }
        CoverMonitor(window, s_monitor);
    }
    if (!IsIconic(window)) {
        LayOutScreenIfResized(window);
    }
}

LRESULT OnDpiChanged(HWND window, LPARAM lParam) {
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    s_monitor = MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FollowTheScreen(window);
    return 0;
}

LRESULT OnGetMinMaxInfo(HWND window, LPARAM lParam) {
    auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
    MONITORINFO info;
    if (ReadMonitorInfo(ReadCurrentMonitor(window), info)) {
        // Relative to the monitor's work area, as the system reads it.
        limits->ptMaxPosition = POINT{info.rcMonitor.left - info.rcWork.left,
                                      info.rcMonitor.top - info.rcWork.top};
        limits->ptMaxSize = POINT{info.rcMonitor.right - info.rcMonitor.left,
                                  info.rcMonitor.bottom - info.rcMonitor.top};
        limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, limits->ptMaxSize.x);
        limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, limits->ptMaxSize.y);
    }
    return 0;
}

void MoveToNextMonitor(HWND window) {
    const std::vector<HMONITOR> monitors = ListMonitors();
    if (monitors.size() < 2) {
        return;
    }
    const HMONITOR current = ReadCurrentMonitor(window);
    const auto at = std::find(monitors.begin(), monitors.end(), current);
    const size_t next = at == monitors.end() ? 0 : (at - monitors.begin() + 1) % monitors.size();
    FitToMonitor(window, monitors[next]);
}
