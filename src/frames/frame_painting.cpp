#include "frame_painting.h"

#include "app.h"
#include "commands.h"
#include "plots.h"
#include "resource_ids.h"
#include "screens.h"

namespace {

constexpr const wchar_t* kSurfaceClass = L"KestrumFrameSurface";

HMODULE g_pictureModule = nullptr;
bool g_fieldRowsAllocated = false;

std::wstring FolderOfThisProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : folder.substr(0, slash);
}

// The surface may be larger than the desktop; nothing must shrink it.
LRESULT CALLBACK SurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMaxTrackSize = POINT{kMaximumExportWidth * 2, kMaximumExportHeight * 2};
        limits->ptMaxSize = limits->ptMaxTrackSize;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterSurfaceClass() {
    static ATOM registered = 0;
    if (registered == 0) {
        WNDCLASSW surfaceClass = {};
        surfaceClass.lpfnWndProc = SurfaceProc;
        surfaceClass.hInstance = GetModuleHandleW(nullptr);
        surfaceClass.lpszClassName = kSurfaceClass;
        registered = RegisterClassW(&surfaceClass);
    }
}

int PictureOfScreen(int screen) {
    switch (screen) {
    case ExportTitle: return IDB_TITLE;
    case ExportTheory: return IDB_THEORY;
    default: return IDB_AUTHORS;
    }
}

}  // namespace

bool LoadLanguagePictures(const std::wstring& language, std::wstring& failure) {
    const std::wstring path = FolderOfThisProgram() + L"\\kestrum-" + language + L".exe";
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        failure = L"the program with the pictures, " + path + L", is missing";
        return false;
    }
    // As data only: nothing of the program runs, its resources serve as
    // if it were the running module.
    g_pictureModule = LoadLibraryExW(path.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (g_pictureModule == nullptr ||
        FindResourceW(g_pictureModule, MAKEINTRESOURCEW(IDB_FORMATION_BACKGROUND), RT_BITMAP) ==
            nullptr) {
        failure = L"cannot read the pictures of " + path;
        UnloadLanguagePictures();
        return false;
    }
    g_instance = g_pictureModule;
    return true;
}

void UnloadLanguagePictures() {
    if (g_pictureModule != nullptr) {
        FreeLibrary(g_pictureModule);
        g_pictureModule = nullptr;
    }
    g_instance = nullptr;
}

void PrepareModel(const FrameRequest& request) {
    if (request.screen != ExportFormation && request.screen != ExportPropagation) {
        return;
    }
    if (!g_fieldRowsAllocated) {
        AllocateFieldRows();
        g_fieldRowsAllocated = true;
    }
    if (request.screen == ExportPropagation) {
        SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
        return;
    }
    // As the Wave formation command leaves it, with the sliders at b and V.
    g_nonlinearity = request.nonlinearity;
    g_viscosity = request.viscosity;
    SolveBurgers(g_nonlinearity, g_viscosity);
    RebuildTermFields();
}

bool CreateFrameSurface(int width, int height, FrameSurface& surface, std::wstring& failure) {
    surface = FrameSurface{};
    RegisterSurfaceClass();
    // A popup is not held to the desktop's size; it is never shown.
    surface.window = CreateWindowExW(0, kSurfaceClass, L"", WS_POPUP, 0, 0, width, height, nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT client = {};
    if (surface.window == nullptr || !GetClientRect(surface.window, &client) ||
        client.right != width || client.bottom != height) {
        failure = L"cannot make a window of " + std::to_wstring(width) + L" x " +
                  std::to_wstring(height) + L" pixels to paint in";
        DestroyFrameSurface(surface);
        return false;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, the row order of the encoder
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface.dc = CreateCompatibleDC(nullptr);
    surface.bitmap = CreateDIBSection(surface.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (surface.dc == nullptr || surface.bitmap == nullptr) {
        failure = L"cannot make a picture of " + std::to_wstring(width) + L" x " +
                  std::to_wstring(height) + L" pixels in memory";
        DestroyFrameSurface(surface);
        return false;
    }
    surface.original = SelectObject(surface.dc, surface.bitmap);
    surface.pixels = static_cast<BYTE*>(bits);
    surface.width = width;
    surface.height = height;
    surface.stride = (width * 3 + 3) & ~3;  // DIB rows are padded to 4 bytes
    return true;
}

void DestroyFrameSurface(FrameSurface& surface) {
    if (surface.dc != nullptr) {
        if (surface.original != nullptr) SelectObject(surface.dc, surface.original);
        DeleteDC(surface.dc);
    }
    if (surface.bitmap != nullptr) DeleteObject(surface.bitmap);
    if (surface.window != nullptr) DestroyWindow(surface.window);
    surface = FrameSurface{};
}

void PaintFrame(const FrameRequest& request, int frame, const FrameSurface& surface) {
    RECT area = {0, 0, surface.width, surface.height};
    // What a picture that failed to load would leave behind.
    FillRect(surface.dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    switch (request.screen) {
    case ExportFormation:
        g_frame = frame;
        g_scale = request.scale;
        PaintFormation(surface.dc, surface.window);
        break;
    case ExportPropagation: DrawPropagation(surface.dc, surface.window, nullptr); break;
    default: DrawPicture(surface.dc, PictureOfScreen(request.screen), area); break;
    }
    GdiFlush();
}
