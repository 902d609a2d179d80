#include "start_up.h"

#include "main_window.h"

#include "app.h"
#include "command_line.h"
#include "display_modes.h"
#include "displays.h"
#include "failure_reports.h"
#include "keys.h"
#include "resource_ids.h"

#include <new>

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    // Alt+Tab and the taskbar show the large and the small icon, each taken
    // at its size from the program's own icon; shared icons need no freeing.
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_KESTRUM));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_KESTRUM), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass);
}

SIZE ComputeMainWindowSize(const RECT& desktop) {
    return SIZE{2 * (desktop.right / 2), 2 * (desktop.bottom / 2)};
}

HWND CreateMainWindow(HINSTANCE instance, POINT place, SIZE size) {
    return CreateWindowExW(0, kMainWindowClass, kMainWindowClass, WS_OVERLAPPEDWINDOW, place.x,
                           place.y, size.cx, size.cy, nullptr, g_menuBar, instance, nullptr);
}

int RunMessageLoop(HWND window) {
    MSG message = {};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return kExitFailed;
        }
        if (PreTranslateProgramMessage(window, message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunProgram(HINSTANCE instance, int showMode) {
    g_instance = instance;
    g_projector = ReadProjectorOption(GetCommandLineW());
    // Started from Explorer, a program that ends without a word just vanishes.
    if (!RegisterControlClasses() || RegisterMainWindowClass(instance) == 0) {
        return ReportStartFailure();
    }
    // Give back whatever display mode another program may have left.
    ChangeDisplaySettingsW(nullptr, CDS_FULLSCREEN);
    const HMONITOR monitor = ChooseStartMonitor(ReadMonitorOption(GetCommandLineW()));
    const RECT area = ReadMonitorRect(monitor);
    const SIZE size = ComputeMainWindowSize(
        RECT{0, 0, area.right - area.left, area.bottom - area.top});

    // The whole evolution is ready before the window exists.
    try {
        AllocateFieldRows();
        SolveBurgers(g_nonlinearity, g_viscosity);
    } catch (const std::bad_alloc&) {
        return ReportOutOfMemory(nullptr);
    }

    HWND window = CreateMainWindow(instance, POINT{area.left, area.top}, size);
    if (window == nullptr) {
        return ReportStartFailure();
    }
    // WM_CREATE showed the window maximised; a shortcut may still ask for
    // a minimised start, and nothing else undoes the maximise.
    if (showMode == SW_SHOWMINIMIZED || showMode == SW_MINIMIZE || showMode == SW_SHOWMINNOACTIVE) {
        ShowWindow(window, showMode);
    }
    FitToMonitor(window, monitor);
    UpdateWindow(window);
    return RunMessageLoop(window);
}
