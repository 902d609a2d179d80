// What one paint costs: PaintFormation and the fitted title picture
// into a memory context, against one BitBlt of the same size, the least a
// paint of that size can cost. Prints the median of repeated runs, in ms.
#include "formation_background.h"
#include "paint_support.h"
#include "pictures.h"
#include "plot_pens.h"
#include "plots.h"
#include "resource_ids.h"
#include "wave_model.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWarmUpRuns = 3;
constexpr int kTimedRuns = 30;
// A frame in mid-evolution, magnified, as the animation shows it.
constexpr int kBenchFrame = 1000;
constexpr int kBenchScale = 5;

struct Size {
    int width;
    int height;
};

constexpr Size kSizes[] = {{1366, 768}, {1920, 1080}, {3840, 2160}};

// The context and size one timed operation works on.
struct Target {
    Canvas canvas;
    Canvas source;
    SIZE size;
};

// The pictures, frame and magnification painted.
ScreenView s_view;

double ReadMilliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Median time of one call of `operation`, GDI's batch flushed inside the timing.
double MeasureMedian(void (*operation)(const Target&), const Target& target) {
    for (int run = 0; run < kWarmUpRuns; ++run) {
        operation(target);
        GdiFlush();
    }
    std::vector<double> times;
    for (int run = 0; run < kTimedRuns; ++run) {
        const double start = ReadMilliseconds();
        operation(target);
        GdiFlush();
        times.push_back(ReadMilliseconds() - start);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

void PaintFormationOnce(const Target& target) {
    PaintFormation(target.canvas.dc, target.size, IDB_FORMATION_BACKGROUND, s_view);
}

// The same frame in the projector mode: strong lines, the run's caption.
void PaintProjectorFormationOnce(const Target& target) {
    ScreenView view = s_view;
    SetProjectorWidths(view, target.size.cy);
    view.runCaption = true;
    PaintFormation(target.canvas.dc, target.size, IDB_FORMATION_BACKGROUND, view);
}

void CopyOnce(const Target& target) {
    BitBlt(target.canvas.dc, 0, 0, target.size.cx, target.size.cy, target.source.dc, 0, 0,
           SRCCOPY);
}

void DrawTitleOnce(const Target& target) {
    PaintPicture(target.canvas.dc, target.size, s_view.pictures, IDB_TITLE);
}

// The formation plot's own background, which every frame draws from the kept picture.
void DrawBackgroundOnce(const Target& target) {
    DrawFormationBackground(target.canvas.dc, target.size,
                            ComputeFormationMarks(target.size, kDefaultDpi), s_view.pictures,
                            IDB_FORMATION_BACKGROUND);
}

// A change to the title screen: the title decoded, fitted and painted,
// with another picture in the cache before each run, as after Wave
// formation. Median of kTimedRuns, after one warm-up run.
double TimeTitleChange(const Target& target) {
    std::vector<double> times;
    for (int run = 0; run <= kTimedRuns; ++run) {
        GetScaledPicture(s_view.pictures, IDB_FORMATION_BACKGROUND, target.size);
        const double start = ReadMilliseconds();
        PaintPicture(target.canvas.dc, target.size, s_view.pictures, IDB_TITLE);
        GdiFlush();
        if (run > 0) times.push_back(ReadMilliseconds() - start);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// Wave propagation with every stage drawn: a whole repaint of the screen.
void PaintPropagationOnce(const Target& target) {
    PaintPropagation(target.canvas.dc, target.size, IDB_PROPAGATION_HEADER, s_view);
}

// What one tick of the stage timer repaints: the plot clipped to the area
// of a stage in mid-drawing.
void PaintStageOnce(const Target& target) {
    const RECT area = ComputeStageArea(target.size, kPropagationStages / 2, 0);
    const int saved = SaveDC(target.canvas.dc);
    IntersectClipRect(target.canvas.dc, area.left, area.top, area.right, area.bottom);
    PaintPropagation(target.canvas.dc, target.size, IDB_PROPAGATION_HEADER, s_view);
    RestoreDC(target.canvas.dc, saved);
}

}  // namespace

int main() {
    // As the program's start-up does: the pictures are decoded through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PrepareSolution();
    RebuildTermFields();
    s_view.pictures = GetModuleHandleW(nullptr);
    s_view.frame = kBenchFrame;
    s_view.scale = kBenchScale;

    std::printf("Paint costs in ms, median of %d runs after %d warm-up runs; a memory\n"
                "context (32-bit DIB section) as the target; ratio = paint / BitBlt;\n"
                "background = the formation frame's picture alone, lines = the rest;\n"
                "projector = the formation frame in the projector mode; title pic = the\n"
                "kept title painted again; title change = decoded, fitted and painted.\n\n",
                kTimedRuns, kWarmUpRuns);
    std::printf("%-11s %8s %10s %7s %11s %7s %10s %10s %7s %13s\n", "size", "BitBlt",
                "formation", "ratio", "background", "lines", "projector", "title pic", "ratio",
                "title change");
    for (const Size& size : kSizes) {
        Target target;
        target.size = SIZE{size.width, size.height};
        target.canvas = CreateCanvas(size.width, size.height, RGB(255, 255, 255));
        target.source = CreateCanvas(size.width, size.height, RGB(0, 0, 0));
        const double copy = MeasureMedian(CopyOnce, target);
        const double formation = MeasureMedian(PaintFormationOnce, target);
        const double background = MeasureMedian(DrawBackgroundOnce, target);
        const double projector = MeasureMedian(PaintProjectorFormationOnce, target);
        const double title = MeasureMedian(DrawTitleOnce, target);
        const double change = TimeTitleChange(target);
        char label[16];
        std::snprintf(label, sizeof label, "%dx%d", size.width, size.height);
        std::printf("%-11s %8.3f %10.3f %7.1f %11.3f %7.3f %10.3f %10.3f %7.1f %13.1f\n", label,
                    copy, formation, formation / copy, background, formation - background,
                    projector, title, title / copy, change);
        DestroyCanvas(target.source);
        DestroyCanvas(target.canvas);
    }
    std::printf("\nWave propagation (b = 0.12, V = 0.003): a whole repaint with all %d stages,\n"
                "and what one tick of the stage timer repaints (clipped to one stage's area).\n\n",
                kPropagationStages);
    std::printf("%-11s %10s %10s\n", "size", "all", "one stage");
    SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    for (const Size& size : kSizes) {
        Target target;
        target.size = SIZE{size.width, size.height};
        target.canvas = CreateCanvas(size.width, size.height, RGB(255, 255, 255));
        char label[16];
        std::snprintf(label, sizeof label, "%dx%d", size.width, size.height);
        std::printf("%-11s %10.3f %10.3f\n", label, MeasureMedian(PaintPropagationOnce, target),
                    MeasureMedian(PaintStageOnce, target));
        DestroyCanvas(target.canvas);
    }
    return 0;
}
