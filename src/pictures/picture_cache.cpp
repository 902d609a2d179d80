#include "pictures.h"

#include "picture_decoding.h"
#include "picture_scaling.h"

#include <algorithm>
#include <new>

namespace {

// Rows read at a time when a picture is copied at its own size.
constexpr int kBandRows = 64;

// Decoding and scaling a picture for a large screen takes longer than the
// animation's 100 ms between frames. One entry is enough: a screen paints
// one scaled picture.
HBITMAP s_picture = nullptr;
HMODULE s_module = nullptr;
int s_id = 0;
SIZE s_box = {};

// A 32-bit top-down DIB section; its bits in `bits`.
HBITMAP CreateSection(SIZE size, uint32_t*& bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* section = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &section, nullptr, 0);
    bits = static_cast<uint32_t*>(section);
    return bitmap;
}

}  // namespace

RECT FitPicture(SIZE picture, SIZE box) {
    if (picture.cx <= 0 || picture.cy <= 0 || box.cx <= 0 || box.cy <= 0) {
        return RECT{};
    }
    const long long pw = picture.cx;
    const long long ph = picture.cy;
    SIZE fitted = box;
    // Relatively wider than the box: the width fills it. Rounded, and never
    // less than a pixel.
    if (pw * box.cy >= box.cx * ph) {
        fitted.cy = static_cast<LONG>((2 * ph * box.cx + pw) / (2 * pw));
        if (fitted.cy < 1) fitted.cy = 1;
    } else {
        fitted.cx = static_cast<LONG>((2 * pw * box.cy + ph) / (2 * ph));
        if (fitted.cx < 1) fitted.cx = 1;
    }
    const LONG left = (box.cx - fitted.cx) / 2;
    const LONG top = (box.cy - fitted.cy) / 2;
    return RECT{left, top, left + fitted.cx, top + fitted.cy};
}

SIZE ReadPictureSize(HMODULE module, int id) {
    return ReadStoredSize(module, id, 1);
}

HBITMAP LoadPicture(HMODULE module, int id, SIZE box) {
    // The least of the stored sizes that is not enlarged to fit the box,
    // else the largest: decoding costs in proportion to the pixels.
    int density = 1;
    while (density < kPictureDensities) {
        const SIZE stored = ReadStoredSize(module, id, density);
        const RECT place = FitPicture(stored, box);
        if (stored.cx >= place.right - place.left) break;
        ++density;
    }
    OpenedPicture picture;
    if (box.cx <= 0 || box.cy <= 0 || !OpenPicture(module, id, density, picture)) {
        return nullptr;
    }
    const RECT place = FitPicture(picture.size, box);
    const SIZE fitted{place.right - place.left, place.bottom - place.top};
    uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateSection(fitted, bits);
    bool read = false;
    try {
        // At its own size it goes straight into the bitmap, a band at a time.
        if (bitmap != nullptr && fitted.cx == picture.size.cx && fitted.cy == picture.size.cy) {
            read = true;
            for (int first = 0; read && first < fitted.cy; first += kBandRows) {
                read = ReadPictureRows(&picture, first, std::min<int>(kBandRows, fitted.cy - first),
                                       bits + static_cast<size_t>(first) * fitted.cx);
            }
        } else if (bitmap != nullptr) {
            read = ScaleRows(ReadPictureRows, &picture, picture.size.cx, picture.size.cy, bits,
                             fitted.cx, fitted.cy);
        }
    } catch (const std::bad_alloc&) {
        read = false;
    }
    ClosePicture(picture);
    if (!read && bitmap != nullptr) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

HBITMAP GetScaledPicture(HMODULE module, int id, SIZE box) {
    if (s_picture != nullptr && s_module == module && s_id == id && s_box.cx == box.cx &&
        s_box.cy == box.cy) {
        return s_picture;
    }
    if (s_picture != nullptr) {
        DeleteObject(s_picture);
    }
    s_picture = LoadPicture(module, id, box);
    s_module = module;
    s_id = id;
    s_box = box;
    return s_picture;
}
