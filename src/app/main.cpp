#include "app.h"
#include "main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    g_instance = instance;
    if (RegisterMainWindowClass(instance) == 0) {
        return 0;
    }
    // Give back whatever display mode another program may have left.
    ChangeDisplaySettingsW(nullptr, CDS_FULLSCREEN);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const SIZE size = ComputeMainWindowSize(desktop);

    // The whole evolution is ready before the window exists.
    AllocateFieldRows();
    SolveBurgers(g_nonlinearity, g_viscosity);

    HWND window = CreateMainWindow(instance, size);
    ShowWindow(window, showMode);
    UpdateWindow(window);
    return RunMessageLoop();
}
