#include "pictures.h"

#include "picture_decoding.h"
#include "picture_scaling.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr int kPictureDensity = KESTRUM_PICTURE_DENSITY;

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
    SIZE stored = {};
    if (!DecodePicture(module, id, stored, nullptr)) {
        return SIZE{};
    }
    return SIZE{stored.cx / kPictureDensity, stored.cy / kPictureDensity};
}

HBITMAP LoadPicture(HMODULE module, int id, SIZE box) {
    SIZE stored = {};
    std::vector<uint32_t> pixels;
    if (box.cx <= 0 || box.cy <= 0 || !DecodePicture(module, id, stored, &pixels)) {
        return nullptr;
    }
    const RECT place = FitPicture(stored, box);
    const SIZE fitted{place.right - place.left, place.bottom - place.top};
    uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateSection(fitted, bits);
    if (bitmap == nullptr) {
        return nullptr;
    }
    if (fitted.cx == stored.cx && fitted.cy == stored.cy) {
        std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
        return bitmap;
    }
    try {
        ScalePixels(pixels.data(), stored.cx, stored.cy, bits, fitted.cx, fitted.cy);
    } catch (const std::bad_alloc&) {
        DeleteObject(bitmap);
        return nullptr;
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
