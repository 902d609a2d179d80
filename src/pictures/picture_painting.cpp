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
    CopyBitmap(dc, 0, 0, size, GetScaledPicture(module, id, size));
}
