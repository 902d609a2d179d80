#include "screen_table.h"

#include "pictures.h"
#include "plots.h"
#include "resource_ids.h"

const ScreenEntry kScreens[kScreenCount] = {
    {ScreenAuthors, L"authors", IDB_AUTHORS, PaintPictureScreen},
    {ScreenPropagation, L"propagation", IDB_PROPAGATION_HEADER, PaintPropagation},
    {ScreenFormation, L"formation", IDB_FORMATION_BACKGROUND, PaintFormation},
    {ScreenTitle, L"title", IDB_TITLE, PaintPictureScreen},
    {ScreenTheory, L"theory", IDB_THEORY, PaintPictureScreen},
};

const ScreenEntry* FindScreen(int code) {
    for (const ScreenEntry& screen : kScreens) {
        if (screen.code == code) return &screen;
    }
    return nullptr;
}

const ScreenEntry* FindScreenNamed(const std::wstring& name) {
    for (const ScreenEntry& screen : kScreens) {
        if (name == screen.name) return &screen;
    }
    return nullptr;
}

void PaintPictureScreen(HDC dc, SIZE size, int picture, const ScreenView& view) {
    PaintPicture(dc, size, view.pictures, picture);
}

void PaintScreen(HDC dc, SIZE size, int code, const ScreenView& view) {
    const ScreenEntry* screen = FindScreen(code);
    if (screen != nullptr) {
        screen->paint(dc, size, screen->picture, view);
    }
}
