#include "gdi_counter.h"

#include <windows.h>

#include <cstring>

static long s_created = 0;
static long s_deleted = 0;
static long s_failed = 0;
static int s_pensToRefuse = 0;

static decltype(&CreatePen) s_createPen;
static decltype(&CreateCompatibleDC) s_createCompatibleDC;
static decltype(&DeleteObject) s_deleteObject;
static decltype(&DeleteDC) s_deleteDC;
static decltype(&LoadImageW) s_loadImageW;
static decltype(&LoadBitmapW) s_loadBitmapW;
static decltype(&ExtCreatePen) s_extCreatePen;
static decltype(&CreateFontW) s_createFontW;
static decltype(&CreateSolidBrush) s_createSolidBrush;
static decltype(&CreateDIBSection) s_createDIBSection;

template <typename Handle>
static Handle Counted(Handle handle) {
    if (handle != nullptr) ++s_created;
    return handle;
}

static BOOL CountDeletion(BOOL deleted) {
    deleted ? ++s_deleted : ++s_failed;
    return deleted;
}

static HPEN WINAPI CountingCreatePen(int style, int width, COLORREF colour) {
    if (s_pensToRefuse > 0) {
        --s_pensToRefuse;
        return nullptr;
    }
    return Counted(s_createPen(style, width, colour));
}
static HDC WINAPI CountingCreateCompatibleDC(HDC dc) {
    return Counted(s_createCompatibleDC(dc));
}
static HANDLE WINAPI CountingLoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int width,
                                        int height, UINT flags) {
    return Counted(s_loadImageW(instance, name, type, width, height, flags));
}
static HBITMAP WINAPI CountingLoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    return Counted(s_loadBitmapW(instance, name));
}
static HPEN WINAPI CountingExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush,
                                        DWORD count, const DWORD* dashes) {
    return Counted(s_extCreatePen(style, width, brush, count, dashes));
}
static HFONT WINAPI CountingCreateFontW(int height, int width, int escapement, int orientation,
                                       int weight, DWORD italic, DWORD underline, DWORD strike,
                                       DWORD charset, DWORD precision, DWORD clipping,
                                       DWORD quality, DWORD pitch, LPCWSTR face) {
    return Counted(s_createFontW(height, width, escapement, orientation, weight, italic, underline,
                                 strike, charset, precision, clipping, quality, pitch, face));
}
static HBRUSH WINAPI CountingCreateSolidBrush(COLORREF colour) {
    return Counted(s_createSolidBrush(colour));
}
static HBITMAP WINAPI CountingCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage,
                                               void** bits, HANDLE section, DWORD offset) {
    return Counted(s_createDIBSection(dc, info, usage, bits, section, offset));
}
static BOOL WINAPI CountingDeleteObject(HGDIOBJ object) {
    return CountDeletion(s_deleteObject(object));
}
static BOOL WINAPI CountingDeleteDC(HDC dc) {
    return CountDeletion(s_deleteDC(dc));
}

// Points the import named `name` of this executable at `replacement` and
// returns what it pointed at.
static void* RedirectImport(const char* name, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; module->Name != 0; ++module) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
            DWORD protection;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
            void* original = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(void*), protection, &protection);
            return original;
        }
    }
    return nullptr;
}

// A function this executable does not import is never called through the
// replacement, so a missing import needs no care.
template <typename Function>
static void Redirect(const char* name, Function& original, Function replacement) {
    original = reinterpret_cast<Function>(RedirectImport(name, reinterpret_cast<void*>(replacement)));
}

void InstallGdiCounter() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    Redirect("CreatePen", s_createPen, &CountingCreatePen);
    Redirect("CreateCompatibleDC", s_createCompatibleDC, &CountingCreateCompatibleDC);
    Redirect("DeleteObject", s_deleteObject, &CountingDeleteObject);
    Redirect("DeleteDC", s_deleteDC, &CountingDeleteDC);
    Redirect("LoadImageW", s_loadImageW, &CountingLoadImageW);
    Redirect("LoadBitmapW", s_loadBitmapW, &CountingLoadBitmapW);
    Redirect("ExtCreatePen", s_extCreatePen, &CountingExtCreatePen);
    Redirect("CreateFontW", s_createFontW, &CountingCreateFontW);
    Redirect("CreateSolidBrush", s_createSolidBrush, &CountingCreateSolidBrush);
    Redirect("CreateDIBSection", s_createDIBSection, &CountingCreateDIBSection);
}

long GdiObjectsOutstanding() {
    return s_created - s_deleted;
}

long GdiObjectsCreated() {
    return s_created;
}

long GdiFailedDeletions() {
    return s_failed;
}

void FailPenCreations(int count) {
    s_pensToRefuse = count;
}
