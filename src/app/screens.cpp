#include "app.h"
#include "plots.h"
#include "resource_ids.h"
#include "screens.h"

void DrawPicture(HDC dc, int id, const RECT& area) {
    HBITMAP picture = GetScaledPicture(id, area.right, area.bottom);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ original = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, original);
    DeleteDC(memory);
}

void PaintScreen(HDC dc, HWND window, const RECT& desktop) {
    switch (g_screen) {
    case ScreenAuthors: DrawPicture(dc, IDB_AUTHORS, desktop); break;
    case ScreenPropagation:
        FillRect(dc, &desktop, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        PaintPropagation(dc, window);
        break;
    case ScreenFormation: PaintFormation(dc, window); break;
    case ScreenTitle: DrawPicture(dc, IDB_TITLE, desktop); break;
    case ScreenTheory: DrawPicture(dc, IDB_THEORY, desktop); break;
    }
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    PaintScreen(dc, window, desktop);
    EndPaint(window, &paint);
    return 0;
}
