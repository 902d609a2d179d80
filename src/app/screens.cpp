#include "screens.h"

#include "app.h"
#include "plots.h"

ScreenView ReadScreenView() {
    ScreenView view;
    view.pictures = g_instance;
    view.frame = g_frame;
    view.scale = g_scale;
    view.scaleFrame = true;
    view.stageClock = &kSystemStageClock;
    return view;
}

void PaintCurrentScreen(HDC dc, HWND window) {
    const ScreenEntry* screen = FindScreen(g_screen);
    if (screen == nullptr) {
        return;
    }
    // The pictures fill the desktop, which the window covers.
    RECT area = {};
    if (screen->paint == PaintPictureScreen) {
        GetWindowRect(GetDesktopWindow(), &area);
    } else {
        GetClientRect(window, &area);
    }
    screen->paint(dc, SIZE{area.right, area.bottom}, screen->picture, ReadScreenView());
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // The propagation paint holds the thread for 4.5 s: its Menu button is
    // painted first, not after the plot.
    if (g_screen == ScreenPropagation && g_menuButton != nullptr) {
        UpdateWindow(g_menuButton);
    }
    PaintCurrentScreen(dc, window);
    EndPaint(window, &paint);
    return 0;
}
