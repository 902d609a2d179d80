// The five screens of Kestrum: which picture each shows and which painter
// paints it. The program's window and the frame exporter both paint
// through this one table.
#pragma once

#include <windows.h>

#include <string>

#include "screen_view.h"

// Screen codes, the values of the program's g_screen.
constexpr int ScreenAuthors = 1;
constexpr int ScreenPropagation = 2;
constexpr int ScreenFormation = 3;
constexpr int ScreenTitle = 4;
constexpr int ScreenTheory = 5;

// Paints a screen on `dc` over (0, 0)-size; `picture` is the screen's
// picture id from the table.
using ScreenPainter = void (*)(HDC dc, SIZE size, int picture, const ScreenView& view);

struct ScreenEntry {
    int code;
    const wchar_t* name;  // the exporter's name for it: "formation", "title" ...
    int picture;          // the picture shown: fitted, as background or as header
    ScreenPainter paint;
};

constexpr int kScreenCount = 5;
extern const ScreenEntry kScreens[kScreenCount];

// The entry of a code or of a name; null when there is none.
const ScreenEntry* FindScreen(int code);
const ScreenEntry* FindScreenNamed(const std::wstring& name);

// The painter of the title, theory and authors screens: the picture
// fitted to the size and centred, its edges continued to the borders.
void PaintPictureScreen(HDC dc, SIZE size, int picture, const ScreenView& view);

// Paints screen `code` with its painter and picture; an unknown code
// paints nothing.
void PaintScreen(HDC dc, SIZE size, int code, const ScreenView& view);
