// Helpers for tests that paint: the model as start-up leaves it, and
// readable canvases in memory. Nothing here needs a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The grid rows, allocated once, and the solution for b = 0.3, V = 0.002,
// the parameters reset to those values.
void PrepareSolution();

// A 32-bit top-down DIB section selected into a memory context.
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ original;
    uint32_t* pixels;
    int width;
    int height;
};
Canvas CreateCanvas(int width, int height, COLORREF fill);
void DestroyCanvas(Canvas& canvas);
// The pixel as a COLORREF (0x00BBGGRR), or CLR_INVALID outside.
COLORREF PixelAt(const Canvas& canvas, int x, int y);
bool SaveCanvasAsBmp(const Canvas& canvas, const std::wstring& path);
