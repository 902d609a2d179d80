#include "screens.h"

#include "app.h"
#include "language.h"
#include "plot_pens.h"
#include "window_dpi.h"

ScreenView ReadScreenView(SIZE size) {
    ScreenView view;
    view.pictures = g_instance;
    view.frame = g_frame;
    view.scale = g_scale;
    view.scaleFrame = true;
    view.stages = g_stages;
    view.language = KESTRUM_LANGUAGE_NAME;
    if (g_projector) {
        SetProjectorWidths(view, size.cy);
        // The projector mode captions Wave formation only.
        view.runCaption = g_screen == ScreenFormation;
    }
    return view;
}

void PaintCurrentScreen(HDC dc, HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    if (g_blank) {
        HBRUSH blank = CreateSolidBrush(g_blankColour);
        FillRect(dc, &client, blank != nullptr ? blank
                                               : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        if (blank != nullptr) DeleteObject(blank);
        return;
    }
    const ScreenEntry* screen = FindScreen(g_screen);
    if (screen == nullptr) {
        return;
    }
    // The window covers its monitor: pictures and plots fill the client
    // area, not the desktop, which spans every monitor.
    const SIZE size{client.right, client.bottom};
    ScreenView view = ReadScreenView(size);
    view.dpi = ReadWindowDpi(window);
    screen->paint(dc, size, screen->picture, view);
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintCurrentScreen(dc, window);
    EndPaint(window, &paint);
    return 0;
}
