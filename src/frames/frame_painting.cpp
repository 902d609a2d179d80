#include "frame_painting.h"

#include "output_paths.h"
#include "resource_ids.h"
#include "screen_table.h"
#include "wave_model.h"

namespace {

HMODULE g_pictureModule = nullptr;
bool g_fieldRowsAllocated = false;

std::wstring FindFolderOfThisProgram() {
    // The path may be longer than MAX_PATH: grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FindFolderOf(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

bool LoadLanguagePictures(const std::wstring& language, std::wstring& failure) {
    // As built (kestrum-en.exe) or as released (Kestrum-English.exe).
    const std::wstring folder = FindFolderOfThisProgram() + L"\\";
    const std::wstring built = L"kestrum-" + language + L".exe";
    const std::wstring released =
        language == L"ru" ? L"Kestrum-Russian.exe" : L"Kestrum-English.exe";
    std::wstring path = folder + built;
    if (GetFileAttributesW(ExtendPath(path).c_str()) == INVALID_FILE_ATTRIBUTES) {
        path = folder + released;
    }
    if (GetFileAttributesW(ExtendPath(path).c_str()) == INVALID_FILE_ATTRIBUTES) {
        failure = L"the program with the pictures, " + built + L" or " + released +
                  L", is missing from " + folder;
        return false;
    }
    // As data only: nothing of the program runs.
    g_pictureModule = LoadLibraryExW(ExtendPath(path).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (g_pictureModule == nullptr ||
        FindResourceW(g_pictureModule, MAKEINTRESOURCEW(IDB_FORMATION_BACKGROUND), RT_BITMAP) ==
            nullptr) {
        failure = L"cannot read the pictures of " + path;
        UnloadLanguagePictures();
        return false;
    }
    return true;
}

void UnloadLanguagePictures() {
    if (g_pictureModule != nullptr) {
        FreeLibrary(g_pictureModule);
        g_pictureModule = nullptr;
    }
}

void PrepareModel(const FrameRequest& request) {
    if (request.screen != ScreenFormation && request.screen != ScreenPropagation) {
        return;
    }
    if (!g_fieldRowsAllocated) {
        AllocateFieldRows();
        g_fieldRowsAllocated = true;
    }
    if (request.screen == ScreenPropagation) {
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
    surface = FrameSurface{};
}

void PaintFrame(const FrameRequest& request, int frame, const FrameSurface& surface) {
    RECT area = {0, 0, surface.width, surface.height};
    // What a picture that failed to load would leave behind.
    FillRect(surface.dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScreenView view;
    view.pictures = g_pictureModule;
    view.frame = frame;
    view.scale = request.scale;
    // A slide has no buttons for the frame to mark.
    view.scaleFrame = false;
    PaintScreen(surface.dc, SIZE{surface.width, surface.height}, request.screen, view);
    GdiFlush();
}
