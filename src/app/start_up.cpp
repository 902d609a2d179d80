#include "app.h"
#include "main_window.h"

ATOM RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = L"Ondrel";
    return RegisterClassW(&windowClass);
}

SIZE ComputeMainWindowSize(const RECT& desktop) {
    return SIZE{2 * (desktop.right / 2), 2 * (desktop.bottom / 2)};
}

HWND CreateMainWindow(HINSTANCE instance, SIZE size) {
    return CreateWindowExW(0, L"Ondrel", L"Ondrel", WS_OVERLAPPEDWINDOW, 0, 0, size.cx, size.cy,
                           nullptr, g_menuBar, instance, nullptr);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
