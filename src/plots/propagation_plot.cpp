#include "plots.h"

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
constexpr int kHeaderWidth = 625;
constexpr int kHeaderHeight = 130;

// The header picture at its size at 96 DPI in a block of 625 x 130 pixels.
void DrawHeader(HDC dc, int width, HMODULE pictures, int id) {
    const SIZE natural = ReadPictureSize(pictures, id);
    HBITMAP header = LoadPicture(pictures, id, natural);
    if (header == nullptr) {
        return;
    }
    // Only the picture's own extent: the rest of the block stays white.
    CopyBitmap(dc, width / 2 - 300, 10,
               SIZE{std::min<LONG>(kHeaderWidth, natural.cx),
                    std::min<LONG>(kHeaderHeight, natural.cy)},
               header);
    DeleteObject(header);
}

}  // namespace

void PaintPropagation(HDC dc, SIZE size, int header, const ScreenView& view) {
    const double start = view.stageClock != nullptr ? view.stageClock->readMilliseconds() : 0.0;
    const int width = size.cx;
    const int height = size.cy;
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawHeader(dc, width, view.pictures, header);

    // The context's own pen, or the projector mode's strong black lines.
    const HGDIOBJ own = GetCurrentObject(dc, OBJ_PEN);
    if (view.lineWidth > 0) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 1, view.lineWidth, kPropagationBlack));
    }
    for (int m = 2; m <= 5; ++m) {
        const int y = (m * height) / 7;
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
    }

    if (view.curveWidth > 0) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, 1, view.curveWidth, kPropagationBlack));
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
