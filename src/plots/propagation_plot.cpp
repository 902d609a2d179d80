#include "plots.h"

#include "panel_layout.h"
#include "pictures.h"
#include "propagation_stages.h"
#include "plot_pens.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kPlottedRows = 445;  // about one period of the initial sine
constexpr double kPlotWidth = 16.0;
// The header block at 96 DPI: its size, and its place left of the middle
// and down from the top.
constexpr int kHeaderWidth = 625;
constexpr int kHeaderHeight = 130;
constexpr int kHeaderLeftOfMiddle = 300;
constexpr int kHeaderTop = 10;

// The header picture at its size at 96 DPI, times the DPI's scale, in a
// block of 625 x 130 pixels at 96 DPI.
void DrawHeader(HDC dc, int width, int dpi, HMODULE pictures, int id) {
    const SIZE natural = ReadPictureSize(pictures, id);
    const SIZE scaled{ScaleToDpi(natural.cx, dpi), ScaleToDpi(natural.cy, dpi)};
    HBITMAP header = LoadPicture(pictures, id, scaled);
    if (header == nullptr) {
        return;
    }
    // Only the picture's own extent: the rest of the block stays white.
    const SIZE extent{std::min<LONG>(ScaleToDpi(kHeaderWidth, dpi), scaled.cx),
                      std::min<LONG>(ScaleToDpi(kHeaderHeight, dpi), scaled.cy)};
    CopyBitmap(dc, width / 2 - ScaleToDpi(kHeaderLeftOfMiddle, dpi), ScaleToDpi(kHeaderTop, dpi),
               extent, header);
    DeleteObject(header);
}

// Walks the curve of the first `count` stages point by point: visit(stage,
// point, start) with start true for the point a stage begins at, which is
// where the stage before it on the same baseline ended (a vertical joint
// follows), or the baseline's left end.
template <typename Visit>
void WalkStages(SIZE size, int count, Visit visit) {
    int stage = 0;
    for (int baseline = 0; baseline < 4 && stage < count; ++baseline) {
        const StageSeries& series = kStageSeries[baseline];
        const int y = ((baseline + 2) * size.cy) / 7;
        double x = 0.0;
        POINT last{0, y};
        for (int column = series.first; column <= series.last && stage < count;
             column += series.step, ++stage) {
            visit(stage, last, true);
            // The last stage names column 2000, one past the solution: its
            // point lies beyond the right edge, so the last column serves.
            const int read = std::min(column, kEvolutionSteps - 1);
            for (int row = 1; row <= kPlottedRows; ++row) {
                x += kPlotStep;
                last = POINT{TruncateCoordinate(x * size.cx * 0.0625),
                             TruncateCoordinate(y - size.cy * g_field[row][read] * 0.0625)};
                visit(stage, last, false);
                if (x >= kPlotWidth) {
                    break;
                }
            }
            // The next stage starts at this abscissa.
            x -= kPlotStep;
        }
    }
}

}  // namespace

RECT ComputeStageArea(SIZE size, int stage, int curveWidth) {
    RECT area{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    WalkStages(size, stage + 1, [&](int walked, POINT point, bool) {
        if (walked != stage) return;
        area.left = std::min(area.left, point.x);
        area.top = std::min(area.top, point.y);
        area.right = std::max(area.right, point.x);
        area.bottom = std::max(area.bottom, point.y);
    });
    if (area.left > area.right) {
        return RECT{};
    }
    // A wide pen reaches half its width beyond the points, a round end as far.
    const int reach = std::max(curveWidth, 1) + 1;
    InflateRect(&area, reach, reach);
    return area;
}

void PaintPropagation(HDC dc, SIZE size, int header, const ScreenView& view) {
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
    WalkStages(size, view.stages, [dc](int, POINT point, bool start) {
        if (start) {
            MoveToEx(dc, point.x, point.y, nullptr);
        } else {
            LineTo(dc, point.x, point.y);
        }
    });
    RestorePen(dc, own);
    if (view.runCaption) {
        DrawPropagationCaption(dc, size, view);
    }
}
