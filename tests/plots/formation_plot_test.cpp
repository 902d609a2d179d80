#include "app.h"
#include "commands.h"
#include "plots.h"
#include "screens.h"
#include "resource_ids.h"
#include "test_windows.h"
#include <gtest/gtest.h>
#include <cstdio>

TEST(Explore, Pens) {
    Canvas c = CreateCanvas(100, 100, RGB(255,255,255));
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0,0,255));
    HGDIOBJ old = SelectObject(c.dc, pen);
    MoveToEx(c.dc, 10, 10, nullptr); LineTo(c.dc, 20, 10);
    MoveToEx(c.dc, 30, 10, nullptr); LineTo(c.dc, 30, 20);
    POINT pts[3] = {{40,40},{41,40},{50,45}};
    Polyline(c.dc, pts, 3);
    SelectObject(c.dc, old); DeleteObject(pen);
    pen = CreatePen(PS_DASH, 1, RGB(255,0,0)); SelectObject(c.dc, pen);
    MoveToEx(c.dc, 0, 60, nullptr); LineTo(c.dc, 100, 60);
    SelectObject(c.dc, old); DeleteObject(pen);
    for (int y = 0; y < 64; ++y) { for (int x = 0; x < 60; ++x) { COLORREF p = PixelAt(c, x, y); putchar(p == RGB(255,255,255) ? '.' : p == RGB(0,0,255) ? 'B' : '?'); } putchar('\n'); }
    for (int x = 0; x < 100; ++x) putchar(PixelAt(c, x, 60) == RGB(255,0,0) ? 'R' : '.');
    putchar('\n');
    DestroyCanvas(c);
}

TEST(Explore, Save) {
    PrepareProgramState();
    RebuildTermFields();
    for (int size = 0; size < 2; ++size) {
        int w = size ? 1366 : 1024, h = 768;
        HWND win = CreateTestParent(w, h);
        Canvas c = CreateCanvas(w, h, RGB(0,255,0));
        g_frame = 0; g_scale = 1;
        PaintFormation(c.dc, win);
        SaveCanvasAsBmp(c, size ? L"formation1366.bmp" : L"formation1024.bmp");
        Canvas p = CreateCanvas(w, h, RGB(0,255,0));
        RECT r{0,0,w,h};
        DrawPicture(p.dc, IDB_FORMATION_BACKGROUND, r);
        SaveCanvasAsBmp(p, size ? L"picture1366.bmp" : L"picture1024.bmp");
        DestroyCanvas(c); DestroyCanvas(p); DestroyWindow(win);
    }
    g_frame = 1200; g_scale = 10;
    HWND win = CreateTestParent(1024, 768);
    Canvas c = CreateCanvas(1024, 768, RGB(0,255,0));
    PaintFormation(c.dc, win);
    SaveCanvasAsBmp(c, L"formation1200x10.bmp");
    DestroyCanvas(c); DestroyWindow(win);
    double mx = 0; int mr = 0, mf = 0;
    for (int f = 0; f < 2000; f += 4) for (int r = 0; r < 450; ++r) if (std::abs(g_diffusionTerm[r][f]) > mx) { mx = std::abs(g_diffusionTerm[r][f]); mr = r; mf = f; }
    printf("max |D| %g at row %d frame %d; D[1][*] max:", mx, mr, mf);
    mx = 0; for (int f = 0; f < 2000; f += 4) mx = std::max(mx, std::abs(g_diffusionTerm[1][f]));
    printf(" %g\n", mx);
    win = CreateTestParent(1280, 1024);
    c = CreateCanvas(1280, 1024, RGB(0,255,0));
    DrawPropagation(c.dc, win, nullptr);
    SaveCanvasAsBmp(c, L"propagation1280.bmp");
    DestroyCanvas(c); DestroyWindow(win);
}
