#include "plots.h"

#include "panel_layout.h"
#include "pictures.h"
#include "plot_pens.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <algorithm>

namespace {

// Stage columns of one baseline: first, step and last, all inclusive.
struct StageSeries {
    int first;
    int step;
    int last;
};

constexpr StageSeries kStageSeries[4] = {
    {0, 50, 400}, {450, 50, 850}, {850, 100, 1850}, {1850, 10, 2000}};
constexpr int kPlottedRows = 445;  // about one period of the initial sine
constexpr double kPlotWidth = 16.0;
constexpr double kStagePauseMs = 100.0;
// The header block at 96 DPI: its size, and its place left of the middle
// and down from the top.
constexpr int kHeaderWidth = 625;
constexpr int kHeaderHeight = 130;
constexpr int kHeaderLeftOfMiddle = 300;
constexpr int kHeaderTop = 10;

// `extent` of the bitmap from its top-left corner, enlarged by the DPI's
// scale with smoothing.
void StretchBitmap(HDC dc, int x, int y, SIZE extent, int dpi, HBITMAP bitmap) {
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) {
        return;
    }
    const HGDIOBJ original = SelectObject(memory, bitmap);
    const int ownMode = SetStretchBltMode(dc, HALFTONE);
    POINT ownOrigin = {};
    SetBrushOrgEx(dc, 0, 0, &ownOrigin);
    StretchBlt(dc, x, y, ScaleToDpi(extent.cx, dpi), ScaleToDpi(extent.cy, dpi), memory, 0, 0,
               extent.cx, extent.cy, SRCCOPY);
    SetBrushOrgEx(dc, ownOrigin.x, ownOrigin.y, nullptr);
    SetStretchBltMode(dc, ownMode);
    SelectObject(memory, original);
    DeleteDC(memory);
}

// The header picture at its natural size (times the DPI's scale) in a
// block of 625 x 130 pixels at 96 DPI.
void DrawHeader(HDC dc, int width, int dpi, HMODULE pictures, int id) {
    HBITMAP header = LoadBitmapW(pictures, MAKEINTRESOURCEW(id));
    if (header == nullptr) {
        return;
    }
    BITMAP size = {};
    GetObjectW(header, sizeof size, &size);
    // Only the picture's own extent: the rest of the block stays white.
    const SIZE extent{std::min<LONG>(kHeaderWidth, size.bmWidth),
                      std::min<LONG>(kHeaderHeight, size.bmHeight)};
    const int x = width / 2 - ScaleToDpi(kHeaderLeftOfMiddle, dpi);
    const int y = ScaleToDpi(kHeaderTop, dpi);
    if (dpi == kDefaultDpi) {
        CopyBitmap(dc, x, y, extent, header);
    } else {
        StretchBitmap(dc, x, y, extent, dpi, header);
    }
    DeleteObject(header);
}

}  // namespace

void PaintPropagation(HDC dc, SIZE size, int header, const ScreenView& view) {
    const double start = view.stageClock != nullptr ? view.stageClock->readMilliseconds() : 0.0;
    const int width = size.cx;
    const int height = size.cy;
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawHeader(dc, width, view.dpi, view.pictures, header);

    // The context's own pen, one as wide at the screen's DPI, or the
    // projector mode's strong black lines.
    const HGDIOBJ own = GetCurrentObject(dc, OBJ_PEN);
    const int thin = ScaleToDpi(1, view.dpi);
    if (view.lineWidth > 0 || thin > 1) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thin, view.lineWidth, kPropagationBlack));
    }
    for (int m = 2; m <= 5; ++m) {
        const int y = (m * height) / 7;
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
    }

    if (view.curveWidth > 0) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thin, view.curveWidth, kPropagationBlack));
    }
    int stage = 0;
    for (int baseline = 0; baseline < 4; ++baseline) {
        const StageSeries& series = kStageSeries[baseline];
        const int y = ((baseline + 2) * height) / 7;
        double x = 0.0;
        MoveToEx(dc, 0, y, nullptr);
        for (int column = series.first; column <= series.last; column += series.step) {
            // The last stage names column 2000, one past the solution: its
            // point lies beyond the right edge, so the last column serves.
            const int read = std::min(column, kEvolutionSteps - 1);
            for (int row = 1; row <= kPlottedRows; ++row) {
                x += g_plotStep;
                LineTo(dc, TruncateCoordinate(x * width * 0.0625),
                       TruncateCoordinate(y - height * g_field[row][read] * 0.0625));
                if (x >= kPlotWidth) {
                    break;
                }
            }
            ++stage;
            if (view.stageClock != nullptr) {
                WaitUntil(*view.stageClock, start + kStagePauseMs * stage);
            }
            // The next stage starts at this abscissa: a vertical joint.
            x -= g_plotStep;
        }
    }
    RestorePen(dc, own);
    if (view.runCaption) {
        DrawPropagationCaption(dc, size, view);
    }
}
