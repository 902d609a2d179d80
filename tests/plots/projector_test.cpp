// The projector mode of both plots: lines that grow with the height of the
// screen, the run's captions where nothing else stands, and a context left
// as it was found.
#include "gdi_counter.h"
#include "paint_support.h"
#include "plot_pens.h"
#include "plots.h"
#include "resource_ids.h"
#include "screen_table.h"
#include "run_caption.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kPlotBlack = RGB(4, 0, 0);
constexpr COLORREF kPlotRed = RGB(255, 0, 0);
constexpr COLORREF kUnpainted = RGB(0, 255, 0);
// Round caps and joins may add a pixel to a line's width.
constexpr int kRoundingReach = 1;

struct Screen {
    int width;
    int height;
    int curve;  // the widths the mode asks for at this height
    int line;
};

constexpr Screen kScreens[] = {{1024, 768, 3, 2}, {3840, 2160, 8, 4}};

ScreenView ProjectorView(int height) {
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    SetProjectorWidths(view, height);
    return view;
}

// Pixels of `colour` in column x running down from row y.
int RunDown(const Canvas& canvas, int x, int y, COLORREF colour) {
    int run = 0;
    while (PixelAt(canvas, x, y + run) == colour) ++run;
    return run;
}

// The thinnest vertical run of `colour` through row y over all columns.
int ThinnestRunThrough(const Canvas& canvas, int y, COLORREF colour) {
    int thinnest = INT_MAX;
    for (int x = 0; x < canvas.width; ++x) {
        if (PixelAt(canvas, x, y) != colour) continue;
        int top = y;
        while (PixelAt(canvas, x, top - 1) == colour) --top;
        thinnest = std::min(thinnest, RunDown(canvas, x, top, colour));
    }
    return thinnest;
}

// The widths at the heights of lecture-hall screens: an odd curve width
// (1200, 1280, 1800 rows) rounds its half up.
TEST(ProjectorWidths, OtherLinesAreHalfTheCurvesRoundedAndAtLeastTwo) {
    constexpr Screen kHeights[] = {{0, 600, 3, 2},  {0, 768, 3, 2},   {0, 1080, 4, 2},
                                   {0, 1200, 5, 3}, {0, 1280, 5, 3},  {0, 1440, 6, 3},
                                   {0, 1800, 7, 4}, {0, 2160, 8, 4}};
    for (const Screen& screen : kHeights) {
        const ScreenView view = ProjectorView(screen.height);
        EXPECT_EQ(view.curveWidth, screen.curve) << screen.height;
        EXPECT_EQ(view.lineWidth, screen.line) << screen.height;
    }
}

class Projector : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareSolution();
        RebuildTermFields();
    }
};

TEST_F(Projector, LinesGrowWithTheHeight) {
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.height);
        const ScreenView view = ProjectorView(screen.height);
        EXPECT_EQ(view.curveWidth, screen.curve);
        EXPECT_EQ(view.lineWidth, screen.line);
        const int w = screen.width;
        const int h = screen.height;
        Canvas canvas = CreateCanvas(w, h, kUnpainted);
        PaintFormation(canvas.dc, SIZE{w, h}, IDB_FORMATION_BACKGROUND, view);
        GdiFlush();
        // The profile's axis, right of every curve's crossing.
        const int axis = h / 10 + h / 7;
        int top = axis;
        while (PixelAt(canvas, w - 60, top - 1) == kPlotBlack) --top;
        EXPECT_EQ(RunDown(canvas, w - 60, top, kPlotBlack), screen.line);
        // The speed curve at its crest, where it runs level: the topmost red
        // pixel right of the background's red "c".
        int crestX = -1;
        int crestY = INT_MAX;
        for (int x = w / 2; x < w - 40; ++x) {
            for (int y = h / 2 - h / 10; y < crestY; ++y) {
                if (PixelAt(canvas, x, y) == kPlotRed) {
                    crestX = x;
                    crestY = y;
                }
            }
        }
        ASSERT_GE(crestX, 0);
        const int curve = RunDown(canvas, crestX, crestY, kPlotRed);
        EXPECT_GE(curve, screen.curve);
        EXPECT_LE(curve, screen.curve + kRoundingReach);
        DestroyCanvas(canvas);

        // Wave propagation: its baselines, where no stage crosses them.
        canvas = CreateCanvas(w, h, kUnpainted);
        SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
        PaintPropagation(canvas.dc, SIZE{w, h}, IDB_PROPAGATION_HEADER, view);
        GdiFlush();
        EXPECT_EQ(ThinnestRunThrough(canvas, (2 * h) / 7, kBlack), screen.line);
        DestroyCanvas(canvas);
        PrepareSolution();
    }
}

int CountChanges(const Canvas& a, const Canvas& b, const RECT& area) {
    int changes = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            changes += PixelAt(a, x, y) != PixelAt(b, x, y);
        }
    }
    return changes;
}

Canvas Paint(ScreenPainter paint, int picture, const ScreenView& view) {
    Canvas canvas = CreateCanvas(1366, 768, kUnpainted);
    paint(canvas.dc, SIZE{1366, 768}, picture, view);
    GdiFlush();
    return canvas;
}

TEST_F(Projector, CaptionsStandWhereNothingElseDoes) {
    const RECT whole{0, 0, 1366, 768};
    const RECT run = ComputeRunCaptionArea(SIZE{1366, 768});
    const RECT magnification = ComputeMagnificationArea(SIZE{1366, 768});
    // A slide: no button marks the magnification, so the caption names it.
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    view.frame = 1000;
    view.scaleFrame = false;
    for (int scale : {1, 5, 10}) {
        SCOPED_TRACE(scale);
        view.scale = scale;
        view.runCaption = true;
        Canvas slide = Paint(PaintFormation, IDB_FORMATION_BACKGROUND, view);
        view.runCaption = false;
        Canvas plain = Paint(PaintFormation, IDB_FORMATION_BACKGROUND, view);
        EXPECT_GT(CountChanges(plain, slide, run), 0);
        EXPECT_EQ(CountChanges(plain, slide, magnification) > 0, scale != 1);
        EXPECT_EQ(CountChanges(plain, slide, whole),
                  CountChanges(plain, slide, run) + CountChanges(plain, slide, magnification));
        DestroyCanvas(plain);
        DestroyCanvas(slide);
    }
    // Nothing else reaches the magnification's area through a run at x10,
    // at either end of the viscosities.
    Canvas white = CreateCanvas(1366, 768, RGB(255, 255, 255));
    for (double viscosity : {0.0005, 0.004}) {
        SolveBurgers(0.4, viscosity);
        RebuildTermFields();
        for (int frame : {0, 200, 1996}) {
            view.frame = frame;
            Canvas plain = Paint(PaintFormation, IDB_FORMATION_BACKGROUND, view);
            EXPECT_EQ(CountChanges(plain, white, magnification), 0) << viscosity << " " << frame;
            DestroyCanvas(plain);
        }
    }
    // Wave propagation's caption: below its lowest stages.
    SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    const RECT stages = ComputePropagationCaptionArea(SIZE{1366, 768});
    Canvas plain = Paint(PaintPropagation, IDB_PROPAGATION_HEADER, view);
    view.runCaption = true;
    Canvas captioned = Paint(PaintPropagation, IDB_PROPAGATION_HEADER, view);
    EXPECT_EQ(CountChanges(plain, white, stages), 0);
    EXPECT_GT(CountChanges(plain, captioned, stages), 0);
    EXPECT_EQ(CountChanges(plain, captioned, whole), CountChanges(plain, captioned, stages));
    for (Canvas* canvas : {&white, &plain, &captioned}) DestroyCanvas(*canvas);
}

TEST_F(Projector, CaptionAndModeLeaveTheContextAsTheyFoundIt) {
    InstallGdiCounter();
    Canvas canvas = CreateCanvas(1366, 768, kUnpainted);
    ScreenView view = ProjectorView(768);
    view.runCaption = true;
    view.frame = 1000;
    const HGDIOBJ pen = GetCurrentObject(canvas.dc, OBJ_PEN);
    const HGDIOBJ font = GetCurrentObject(canvas.dc, OBJ_FONT);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc, OBJ_BRUSH);
    const COLORREF text = GetTextColor(canvas.dc);
    const int mode = GetBkMode(canvas.dc);
    PaintFormation(canvas.dc, SIZE{1366, 768}, IDB_FORMATION_BACKGROUND, view);
    const long outstanding = GdiObjectsOutstanding();
    for (int paint = 0; paint < 3; ++paint) {
        PaintFormation(canvas.dc, SIZE{1366, 768}, IDB_FORMATION_BACKGROUND, view);
        PaintPropagation(canvas.dc, SIZE{1366, 768}, IDB_PROPAGATION_HEADER, view);
    }
    EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
    EXPECT_EQ(GdiFailedDeletions(), 0);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetTextColor(canvas.dc), text);
    EXPECT_EQ(GetBkMode(canvas.dc), mode);
    DestroyCanvas(canvas);
}

// The words students copy: the true V, and how far the run has come,
// never a frozen value while the wave changes.
TEST(RunCaption, SaysTheRunsParametersAndHowFarItHasCome) {
    EXPECT_EQ(FormatRunCaption(L"en", 0.3, 0.002, 400), L"b=0.3   V=0.002   time t = 3.29");
    EXPECT_EQ(FormatRunCaption(L"ru", 0.3, 0.002, 400), L"b=0.3   V=0.002   время t = 3.29");
    // At b = 0 the time t = b pi xi stands still: the distance xi does not.
    EXPECT_EQ(FormatRunCaption(L"en", 0, 0.0005, 400), L"b=0   V=0.0005   distance ξ = 9.84");
    EXPECT_EQ(FormatRunCaption(L"ru", 0, 0.0005, 709), L"b=0   V=0.0005   путь ξ = 17.44");
    EXPECT_EQ(FormatPropagationCaption(L"en"), L"b=0.12   V=0.003   45 stages");
}

}  // namespace
