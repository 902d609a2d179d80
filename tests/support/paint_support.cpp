#include "paint_support.h"

#include "wave_model.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// The pictures are decoded by a COM component: as the program's start-up
// does, every test program initialises COM on its thread. Before that, the
// thread moves to a desktop of its own: test programs that run at the same
// time in one Wine prefix then never take the keyboard focus from each
// other, and a thread can change desktops only while it has no window.
struct ComEnvironment : ::testing::Environment {
    void SetUp() override {
        const std::wstring name = L"kestrum-test-" + std::to_wstring(GetCurrentProcessId());
        HDESK desktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
        if (desktop == nullptr || !SetThreadDesktop(desktop)) {
            throw std::runtime_error("test set-up failed: a desktop of the test's own");
        }
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override { CoUninitialize(); }
};

::testing::Environment* const s_com = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace

void PrepareSolution() {
    static bool allocated = false;
    if (!allocated) {
        AllocateFieldRows();
        allocated = true;
    }
    g_nonlinearity = 0.3;
    g_viscosity = 0.002;
    SolveBurgers(g_nonlinearity, g_viscosity);
}

Canvas CreateCanvas(int width, int height, COLORREF fill) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Canvas canvas = {};
    canvas.dc = CreateCompatibleDC(nullptr);
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.original = SelectObject(canvas.dc, canvas.bitmap);
    canvas.pixels = static_cast<uint32_t*>(bits);
    canvas.width = width;
    canvas.height = height;
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(canvas.dc, &all, brush);
    DeleteObject(brush);
    GdiFlush();
    return canvas;
}

void DestroyCanvas(Canvas& canvas) {
    SelectObject(canvas.dc, canvas.original);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
    canvas = Canvas{};
}

COLORREF PixelAt(const Canvas& canvas, int x, int y) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) {
        return CLR_INVALID;
    }
    GdiFlush();
    const uint32_t bgra = canvas.pixels[y * canvas.width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool SaveCanvasAsBmp(const Canvas& canvas, const std::wstring& path) {
    GdiFlush();
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    const DWORD size = canvas.width * canvas.height * 4;
    header.biSize = sizeof header;
    header.biWidth = canvas.width;
    header.biHeight = -canvas.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + size;
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &header, sizeof header, &written, nullptr) &&
              WriteFile(out, canvas.pixels, size, &written, nullptr);
    CloseHandle(out);
    return ok;
}
