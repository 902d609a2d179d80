// The five screens of Kestrum: which picture each shows and which painter
// paints it. The program's window and the frame exporter both paint
// through this one table.
#pragma once

#include <windows.h>

#include <string>

// Screen codes, the values of the program's g_screen.
constexpr int ScreenAuthors = 1;
constexpr int ScreenPropagation = 2;
constexpr int ScreenFormation = 3;
constexpr int ScreenTitle = 4;
constexpr int ScreenTheory = 5;

// A monotonic clock in milliseconds and a sleep, on which the propagation
// screen paces its pauses.
struct StageClock {
    double (*readMilliseconds)();
    void (*sleepMilliseconds)(DWORD milliseconds);
};

// What a painter draws besides the model's fields.
struct ScreenView {
    HMODULE pictures = nullptr;  // the module that holds the build's pictures
    int frame = 0;               // formation: the column shown, 0 to 1996
    int scale = 1;               // formation: magnification of the viscous term
    bool scaleFrame = true;      // formation: outline the magnification's button
    const StageClock* stageClock = nullptr;  // propagation: paces its 45 stages; null: no pauses
    // Projector mode (SetProjectorWidths): pen widths of the curves and of
    // the other lines; 0 draws with the widths the plots have always used.
    int curveWidth = 0;
    int lineWidth = 0;
    // The run's caption, in `language` (run_caption_painting.h): formation's
    // b, V, time and progress over the plot, propagation's b, V and stages
    // below it.
    bool runCaption = false;
    const wchar_t* language = L"en";
};

// Paints a screen on `dc` over (0, 0)-size; `picture` is the screen's
// picture id from the table.
using ScreenPainter = void (*)(HDC dc, SIZE size, int picture, const ScreenView& view);

struct ScreenEntry {
    int code;
    const wchar_t* name;  // the exporter's name for it: "formation", "title" ...
    int picture;          // the picture shown: stretched, as background or as header
    ScreenPainter paint;
};

constexpr int kScreenCount = 5;
extern const ScreenEntry kScreens[kScreenCount];

// The entry of a code or of a name; null when there is none.
const ScreenEntry* FindScreen(int code);
const ScreenEntry* FindScreenNamed(const std::wstring& name);

// The painter of the title, theory and authors screens: the picture
// stretched over the whole size.
void PaintPictureScreen(HDC dc, SIZE size, int picture, const ScreenView& view);

// Paints screen `code` with its painter and picture; an unknown code
// paints nothing.
void PaintScreen(HDC dc, SIZE size, int code, const ScreenView& view);
