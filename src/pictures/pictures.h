// The pictures of a build, loaded from the module that holds them (the
// running program, or a program loaded as data only) and copied to any
// device context. Each picture is stored as PNG files at four sizes, the
// smallest its size at 96 DPI, decoded by the platform's imaging component
// (WIC) and scaled with filtering where no stored size is the drawn one;
// a picture keeps its aspect ratio wherever it is drawn. WIC is a COM
// component: the thread that loads pictures has initialised COM
// (CoInitializeEx), else no picture loads. GDI and WIC only: nothing here
// needs a window.
#pragma once

#include <windows.h>

// Where a picture of `picture` pixels stands in `box` when it is scaled to
// fit with its aspect ratio kept: the whole width or the whole height of
// the box, centred in the other. Empty when either size is not positive.
RECT FitPicture(SIZE picture, SIZE box);

// The size of picture `id` of `module` at 96 DPI; {0, 0} when there is no
// such picture.
SIZE ReadPictureSize(HMODULE module, int id);

// Picture `id` of `module` scaled to the size FitPicture gives it in
// `box`, as a 32-bit DIB section that the caller deletes; null when it
// cannot be loaded (missing, undecodable, out of memory, COM not
// initialised) or the box is empty.
HBITMAP LoadPicture(HMODULE module, int id, SIZE box);

// LoadPicture, kept: asked again for the same module, id and box, the same
// bitmap comes back without a new load, so that the formation screen does
// not rescale its background ten times a second. One picture is kept; the
// kept bitmap belongs to this cache, callers never delete it.
HBITMAP GetScaledPicture(HMODULE module, int id, SIZE box);

// Copies `extent` of the bitmap, from its top-left corner, to (x, y) of
// the context. A null bitmap copies nothing.
void CopyBitmap(HDC dc, int x, int y, SIZE extent, HBITMAP bitmap);

// Picture `id` of `module` fitted to the rectangle (0, 0)-size of the
// context and centred; the bands beside it continue its edge pixels, so
// that its background reaches the borders. Nothing at all when the
// picture cannot be loaded.
void PaintPicture(HDC dc, SIZE size, HMODULE module, int id);
