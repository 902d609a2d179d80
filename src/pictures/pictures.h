// The pictures of a build, loaded from the module that holds them (the
// running program, or a program loaded as data only) and copied to any
// device context. GDI only: nothing here needs a window.
#pragma once

#include <windows.h>

// Bitmap resource `id` of `module`, stretched by the platform to `size`,
// or null when it cannot be loaded. The last picture asked for is kept:
// asked again for the same module, id and size, the same bitmap comes back
// without a new load, so that the formation screen does not rescale its
// background ten times a second. The kept bitmap belongs to this cache;
// callers never delete it.
HBITMAP GetScaledPicture(HMODULE module, int id, SIZE size);

// From now on GetScaledPicture loads DIB sections instead of bitmaps
// compatible with the screen. A DIB section lives in the process's own
// memory, so its size is not bounded by the display driver, where a
// compatible bitmap of 7680 x 4320 may fail. The program's window keeps
// compatible bitmaps, which the screen copies fastest.
void LoadPicturesAsSections();

// Copies `extent` of the bitmap, from its top-left corner, to (x, y) of
// the context. A null bitmap copies nothing.
void CopyBitmap(HDC dc, int x, int y, SIZE extent, HBITMAP bitmap);

// Picture `id` of `module` stretched over the rectangle (0, 0)-size of the
// context; nothing at all when the picture cannot be loaded.
void PaintPicture(HDC dc, SIZE size, HMODULE module, int id);
