#include "app.h"
#include "plots.h"
#include "resource_ids.h"

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
constexpr DWORD kStagePauseMs = 100;
constexpr int kHeaderWidth = 625;
constexpr int kHeaderHeight = 130;

void PauseOneStage() {
    Sleep(kStagePauseMs);
}

void DrawHeader(HDC dc, int width) {
    HBITMAP header = LoadBitmapW(g_instance, MAKEINTRESOURCEW(IDB_PROPAGATION_HEADER));
    BITMAP size = {};
    GetObjectW(header, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ original = SelectObject(memory, header);
    // Only the picture's own extent: the rest of the block stays white.
    BitBlt(dc, width / 2 - 300, 10, std::min<int>(kHeaderWidth, size.bmWidth),
           std::min<int>(kHeaderHeight, size.bmHeight), memory, 0, 0, SRCCOPY);
    SelectObject(memory, original);
    DeleteDC(memory);
    DeleteObject(header);
}

}  // namespace

void DrawPropagation(HDC dc, HWND window, void (*pauseAfterStage)()) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawHeader(dc, width);

    for (int m = 2; m <= 5; ++m) {
        const int y = (m * height) / 7;
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, width, y);
    }

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
            if (pauseAfterStage != nullptr) {
                pauseAfterStage();
            }
            // The next stage starts at this abscissa: a vertical joint.
            x -= g_plotStep;
        }
    }
}

void PaintPropagation(HDC dc, HWND window) {
    DrawPropagation(dc, window, PauseOneStage);
}
