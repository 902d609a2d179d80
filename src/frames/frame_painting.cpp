#include "frame_painting.h"

#include "output_paths.h"
#include "pictures.h"
#include "program_names.h"
#include "plot_pens.h"
#include "resource_ids.h"
#include "screen_table.h"
#include "wave_model.h"

namespace {

HMODULE g_pictureModule = nullptr;
std::wstring g_picturePath;
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

// Whether the picture the painter is about to draw loads: the painters
// draw nothing in place of a missing picture, which on a slide would be a
// white screen with no error.
bool CanLoadPicture(const FrameRequest& request, SIZE size, std::wstring& failure) {
    const ScreenEntry* screen = FindScreen(request.screen);
    if (screen == nullptr) {
        failure = L"unknown screen " + std::to_wstring(request.screen);
        return false;
    }
    bool loaded = false;
    if (request.screen == ScreenPropagation) {
        // The header is drawn at its own size.
        loaded = ReadPictureSize(g_pictureModule, screen->picture).cx > 0;
    } else {
        // Loaded into the cache, where the painter finds it.
        loaded = GetScaledPicture(g_pictureModule, screen->picture, size) != nullptr;
    }
    if (!loaded) {
        failure = L"cannot load picture " + std::to_wstring(screen->picture) + L" (" +
                  screen->name + L") of " + g_picturePath + L" at " +
                  std::to_wstring(size.cx) + L" x " + std::to_wstring(size.cy) + L" pixels";
    }
    return loaded;
}

std::wstring FindReleasedName(const std::wstring& language) {
    for (const ReleasedName& entry : kReleasedNames) {
        if (language == entry.language) return entry.program;
    }
    return L"kestrum-" + language + L".exe";
}

}  // namespace

bool LoadLanguagePictures(const std::wstring& language, std::wstring& failure) {
    // As built (kestrum-en.exe) or as released (Kestrum-English.exe).
    const std::wstring folder = FindFolderOfThisProgram() + L"\\";
    const std::wstring built = L"kestrum-" + language + L".exe";
    const std::wstring released = FindReleasedName(language);
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
    g_picturePath = path;
    g_pictureModule = LoadLibraryExW(ExtendPath(path).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (g_pictureModule == nullptr ||
        ReadPictureSize(g_pictureModule, IDB_FORMATION_BACKGROUND).cx == 0) {
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

bool PaintFrame(const FrameRequest& request, int frame, const FrameSurface& surface,
                std::wstring& failure) {
    const SIZE size = {surface.width, surface.height};
    if (!CanLoadPicture(request, size, failure)) return false;
    // Every frame starts from white: the surface holds the last one.
    RECT area = {0, 0, surface.width, surface.height};
    FillRect(surface.dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScreenView view;
    view.pictures = g_pictureModule;
    view.frame = frame;
    view.scale = request.scale;
    // A slide has no buttons for the frame to mark; its caption names the
    // magnification instead.
    view.scaleFrame = false;
    view.runCaption = request.caption;
    view.language = request.language.c_str();
    if (request.projector) SetProjectorWidths(view, surface.height);
    PaintScreen(surface.dc, size, request.screen, view);
    GdiFlush();
    return true;
}
