#include "pictures.h"

void CopyBitmap(HDC dc, int x, int y, SIZE extent, HBITMAP bitmap) {
    // Without a picture a memory context would copy its 1 x 1 default bitmap.
    if (bitmap == nullptr) {
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ original = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, extent.cx, extent.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, original);
    DeleteDC(memory);
}

void PaintPicture(HDC dc, SIZE size, HMODULE module, int id) {
    HBITMAP picture = GetScaledPicture(module, id, size);
    if (picture == nullptr) {
        return;
    }
    BITMAP info = {};
    GetObjectW(picture, sizeof info, &info);
    const RECT place = FitPicture(SIZE{info.bmWidth, info.bmHeight}, size);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ original = SelectObject(memory, picture);
    BitBlt(dc, place.left, place.top, width, height, memory, 0, 0, SRCCOPY);
    // The picture fills one direction, so the bands lie either beside it
    // or above and below it: each repeats the nearest column or row.
    if (place.left > 0) {
        StretchBlt(dc, 0, 0, place.left, height, memory, 0, 0, 1, height, SRCCOPY);
        StretchBlt(dc, place.right, 0, size.cx - place.right, height, memory, width - 1, 0, 1,
                   height, SRCCOPY);
    }
    if (place.top > 0) {
        StretchBlt(dc, 0, 0, width, place.top, memory, 0, 0, width, 1, SRCCOPY);
        StretchBlt(dc, 0, place.bottom, width, size.cy - place.bottom, memory, 0, height - 1,
                   width, 1, SRCCOPY);
    }
    SelectObject(memory, original);
    DeleteDC(memory);
}
