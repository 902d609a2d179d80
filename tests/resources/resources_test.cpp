// What each built program carries: its language's captions and pictures,
// read back from the executable itself, the manifest, the icon and version.
#include "kestrum_version.h"
#include "language.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct PictureSize {
    int id;
    int width;
    int height;
};

struct ProgramFile {
    const char* path;
    WORD language;
    const wchar_t* description;
};

#ifdef KESTRUM_LANGUAGE_RU
const std::vector<PictureSize> kPictures = {{105, 1274, 769}, {107, 1066, 749}, {110, 1274, 768},
                                            {114, 513, 70},   {123, 1024, 768}, {125, 627, 118}};
const std::vector<ProgramFile> kPrograms = {
    {KESTRUM_PROGRAM, 0x0419, L"Kestrum: формирование ударной волны (уравнение Бюргерса)"}};
#else
const std::vector<PictureSize> kPictures = {{105, 1274, 768}, {107, 1027, 760}, {110, 1274, 768},
                                            {114, 513, 70},   {123, 1024, 768}, {125, 465, 100}};
// The exporter has no language build: checked once, with the English one.
const std::vector<ProgramFile> kPrograms = {
    {KESTRUM_PROGRAM, 0x0409, L"Kestrum: formation of a shock wave (the Burgers equation)"},
    {KESTRUM_FRAMES_PROGRAM, 0x0409,
     L"Kestrum frames: paints the screens of Kestrum into image files"}};
#endif

// A built file's path as Wine sees the Linux file system: drive Z.
std::wstring WindowsPath(const char* linuxPath) {
    std::string path = std::string("Z:") + linuxPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return std::wstring(path.begin(), path.end());
}

HMODULE LoadProgram(const char* path = KESTRUM_PROGRAM) {
    HMODULE program = LoadLibraryExW(WindowsPath(path).c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    EXPECT_NE(program, nullptr) << "cannot load " << path;
    return program;
}

const BITMAPINFOHEADER* FindBitmapHeader(HMODULE program, const wchar_t* name) {
    HRSRC found = FindResourceW(program, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (found == nullptr) return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program, found)));
}

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR list) {
    reinterpret_cast<std::vector<ULONG_PTR>*>(list)->push_back(reinterpret_cast<ULONG_PTR>(type));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    auto* names = reinterpret_cast<std::vector<std::wstring>*>(list);
    names->push_back(IS_INTRESOURCE(name)
                         ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                         : std::wstring(name));
    return TRUE;
}

TEST(Resources, EveryPictureHasItsIdSizeAndDepth) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    for (const PictureSize& picture : kPictures) {
        const BITMAPINFOHEADER* header = FindBitmapHeader(program, MAKEINTRESOURCEW(picture.id));
        ASSERT_NE(header, nullptr) << "picture " << picture.id;
        EXPECT_EQ(header->biWidth, picture.width) << "picture " << picture.id;
        EXPECT_EQ(header->biHeight, picture.height) << "picture " << picture.id;
        EXPECT_EQ(header->biBitCount, 24) << "picture " << picture.id;
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB)) << "picture " << picture.id;
    }
    FreeLibrary(program);
}

TEST(Resources, OnlyBitmapsTheIconTheVersionAndTheManifest) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    std::vector<ULONG_PTR> types;
    EnumResourceTypesW(program, CollectType, reinterpret_cast<LONG_PTR>(&types));
    std::sort(types.begin(), types.end());
    // RT_BITMAP, RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST
    EXPECT_EQ(types, (std::vector<ULONG_PTR>{2, 3, 14, 16, 24}));

    std::vector<std::wstring> bitmaps;
    EnumResourceNamesW(program, MAKEINTRESOURCEW(2), CollectName,
                       reinterpret_cast<LONG_PTR>(&bitmaps));
    std::sort(bitmaps.begin(), bitmaps.end());
#ifdef KESTRUM_LANGUAGE_RU
    const std::vector<std::wstring> expected = {L"105", L"107", L"110", L"114",
                                                L"123", L"125", L"IDB_BITMAP1"};
#else
    const std::vector<std::wstring> expected = {L"105", L"107", L"110",
                                                L"114", L"123", L"125"};
#endif
    EXPECT_EQ(bitmaps, expected);
    FreeLibrary(program);
}

#ifdef KESTRUM_LANGUAGE_RU
TEST(Resources, RussianBuildCarriesTheScaleWord) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    const BITMAPINFOHEADER* header = FindBitmapHeader(program, L"IDB_BITMAP1");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 118);
    EXPECT_EQ(header->biHeight, 26);
    EXPECT_EQ(header->biBitCount, 24);
    FreeLibrary(program);
}
#endif

// Every program's icon group lists the five sizes by width (GRPICONDIRENTRY:
// 14 bytes from byte 6, 0 meaning 256; svg-to-ico.sh checks their format).
// Its version block has the project's version as numbers and text, and the
// strings in the block of its language with the Unicode code page.
TEST(Resources, IconAndVersionOfEveryProgram) {
    for (const ProgramFile& file : kPrograms) {
        HMODULE program = LoadProgram(file.path);
        ASSERT_NE(program, nullptr);
        HRSRC group = FindResourceW(program, MAKEINTRESOURCEW(IDI_KESTRUM), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr) << file.path;
        const auto* icons = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
        std::vector<int> widths;
        for (int i = 0; i < icons[4]; ++i) widths.push_back(icons[6 + 14 * i]);
        EXPECT_EQ(widths, (std::vector<int>{16, 24, 32, 48, 0})) << file.path;
        FreeLibrary(program);

        const std::wstring exe = WindowsPath(file.path);
        std::vector<BYTE> info(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
        ASSERT_TRUE(!info.empty() && GetFileVersionInfoW(exe.c_str(), 0, info.size(), info.data()));
        auto query = [&info](const std::wstring& name) -> const void* {
            static const DWORD kMissing[16] = {};
            void* value = nullptr;
            UINT length = 0;
            return VerQueryValueW(info.data(), name.c_str(), &value, &length) ? value : kMissing;
        };
        EXPECT_EQ(static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"))->dwFileVersionMS,
                  MAKELONG(KESTRUM_VERSION_MINOR, KESTRUM_VERSION_MAJOR));
        EXPECT_EQ(*static_cast<const DWORD*>(query(L"\\VarFileInfo\\Translation")),
                  MAKELONG(file.language, 1200));
        wchar_t block[32];
        swprintf(block, 32, L"\\StringFileInfo\\%04X04B0\\", file.language);
        std::vector<std::wstring> strings;
        for (const wchar_t* name : {L"ProductName", L"FileDescription", L"FileVersion",
                                    L"LegalCopyright"}) {
            strings.push_back(static_cast<const wchar_t*>(query(block + std::wstring(name))));
        }
        EXPECT_EQ(strings, (std::vector<std::wstring>{
                               L"Kestrum", file.description, L"" KESTRUM_VERSION_TEXT,
                               L"Copyright (c) 2026 the Kestrum developers. MIT licence."}));
    }
}

TEST(Resources, ManifestRunsAsInvokerWithoutUiAccess) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(text, SizeofResource(program, found));
    EXPECT_NE(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    FreeLibrary(program);
}

TEST(Resources, CaptionsOfTheLanguage) {
#ifdef KESTRUM_LANGUAGE_RU
    const std::vector<std::wstring> expected = {
        L"Старт", L"Пауза", L"Сброс", L"Меню", L"x1", L"x5", L"x10",
        L"Уравнение Бюргерса", L"Распространение волны", L"Формирование волны", L"Выход",
        L"Авторы"};
#else
    const std::vector<std::wstring> expected = {
        L"Start", L"Pause", L"Reset", L"Menu", L"x1", L"x5", L"x10", L"Burgers equation",
        L"Wave propagation", L"Wave formation", L"Exit", L"Authors"};
#endif
    const std::vector<std::wstring> captions = {
        kStartCaption, kPauseCaption, kResetCaption, kMenuCaption, kScale1Caption,
        kScale5Caption, kScale10Caption, kTheoryCaption, kPropagationCaption, kFormationCaption,
        kExitCaption, kAuthorsCaption};
    EXPECT_EQ(captions, expected);
}

}  // namespace
