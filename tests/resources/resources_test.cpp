// What each built program carries: its language's pictures, read back from
// the executable itself, the manifest, the icon and version.
#include "kestrum_version.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A picture resource and the file the build rendered for it.
struct Picture {
    const wchar_t* resource;
    const char* file;
};

struct ProgramFile {
    const char* path;
    WORD language;
    const wchar_t* description;
};

const Picture kPictures[] = {
    {MAKEINTRESOURCEW(IDB_TITLE), "title"},
    {MAKEINTRESOURCEW(IDB_THEORY), "theory"},
    {MAKEINTRESOURCEW(IDB_AUTHORS), "authors"},
    {MAKEINTRESOURCEW(IDB_EQUATION), "equation"},
    {MAKEINTRESOURCEW(IDB_FORMATION_BACKGROUND), "formation"},
    {MAKEINTRESOURCEW(IDB_PROPAGATION_HEADER), "propagation"},
#ifdef KESTRUM_LANGUAGE_RU
    {L"IDB_BITMAP1", "scale"},
#endif
};

// The pictures' resource types, one per stored size, smallest first.
const wchar_t* const kPictureTypes[] = {L"PNG1", L"PNG2", L"PNG3", L"PNG4"};

#ifdef KESTRUM_LANGUAGE_RU
const std::vector<ProgramFile> kPrograms = {
    {KESTRUM_PROGRAM, 0x0419, L"Kestrum: формирование ударной волны (уравнение Бюргерса)"}};
#else
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

// A file of the build, as Wine sees the Linux file system.
std::vector<char> ReadBuiltFile(const std::string& linuxPath) {
    std::ifstream file("Z:" + linuxPath, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

// A resource type or name as text: its number, or its name.
std::wstring NameResource(LPCWSTR name) {
    return IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                : std::wstring(name);
}

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR list) {
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(NameResource(type));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(NameResource(name));
    return TRUE;
}

// Each picture is, under its own id, each PNG file the build rendered for
// it (svg-to-png.sh checks its size and format).
TEST(Resources, EachPictureIsItsRenderedPngsUnderItsId) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    for (const Picture& picture : kPictures) {
        for (int density = 1; density <= 4; ++density) {
            const std::string file = picture.file + ("-" + std::to_string(density)) + ".png";
            HRSRC found = FindResourceW(program, picture.resource, kPictureTypes[density - 1]);
            ASSERT_NE(found, nullptr) << file;
            const char* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
            const std::vector<char> png(data, data + SizeofResource(program, found));
            const std::vector<char> built = ReadBuiltFile(KESTRUM_BITMAP_DIR "/" + file);
            ASSERT_FALSE(built.empty()) << file;
            EXPECT_TRUE(png == built) << file;
        }
    }
    FreeLibrary(program);
}

TEST(Resources, OnlyPicturesTheIconTheVersionAndTheManifest) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    std::vector<std::wstring> types;
    EnumResourceTypesW(program, CollectType, reinterpret_cast<LONG_PTR>(&types));
    std::sort(types.begin(), types.end());
    // RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST
    EXPECT_EQ(types, (std::vector<std::wstring>{L"14", L"16", L"24", L"3", L"PNG1", L"PNG2",
                                                 L"PNG3", L"PNG4"}));
    for (const wchar_t* type : kPictureTypes) {
        std::vector<std::wstring> pictures;
        EnumResourceNamesW(program, type, CollectName, reinterpret_cast<LONG_PTR>(&pictures));
        std::sort(pictures.begin(), pictures.end());
#ifdef KESTRUM_LANGUAGE_RU
        const std::vector<std::wstring> expected = {L"105", L"107", L"110", L"114",
                                                    L"123", L"125", L"IDB_BITMAP1"};
#else
        const std::vector<std::wstring> expected = {L"105", L"107", L"110",
                                                    L"114", L"123", L"125"};
#endif
        EXPECT_EQ(pictures, expected);
    }
    FreeLibrary(program);
}

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

TEST(Resources, ManifestRunsAsInvokerAwareOfEachMonitorsDpi) {
    HMODULE program = LoadProgram();
    ASSERT_NE(program, nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(text, SizeofResource(program, found));
    EXPECT_NE(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    // Sharp at any scaling, with the older systems' setting beside it, and
    // the classic controls (no common-controls 6 dependency).
    EXPECT_NE(manifest.find(">PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm<"), std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
    FreeLibrary(program);
}

}  // namespace
