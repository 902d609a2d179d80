// The projector mode of both plots: lines that grow with the height of the
// screen, the run's captions where nothing else stands, and a context left
// as it was found.
#include "gdi_counter.h"
#include "paint_support.h"
#include "plot_pens.h"
#include "plots.h"
#include "resource_ids.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>

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

int CountCaptionInk(const Canvas& canvas, const RECT& area) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) ink += PixelAt(canvas, x, y) == kRunCaptionColour;
    }
    return ink;
}

bool IsWhite(const Canvas& canvas, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (PixelAt(canvas, x, y) != RGB(255, 255, 255)) return false;
        }
    }
    return true;
}

// Pixels that differ between two paints outside every one of `areas`.
int CountChangesOutside(const Canvas& a, const Canvas& b, std::initializer_list<RECT> areas) {
    int changes = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            bool inside = false;
            for (const RECT& area : areas) inside = inside || PtInRect(&area, POINT{x, y});
            changes += !inside && PixelAt(a, x, y) != PixelAt(b, x, y);
        }
    }
    return changes;
}

Canvas PaintCanvas(ScreenPainter paint, int picture, SIZE size, const ScreenView& view) {
    Canvas canvas = CreateCanvas(size.cx, size.cy, kUnpainted);
    paint(canvas.dc, size, picture, view);
    GdiFlush();
    return canvas;
}

TEST_F(Projector, CaptionsStandWhereNothingElseDoes) {
    const SIZE size{1366, 768};
    const RECT run = ComputeRunCaptionArea(size);
    const RECT magnification = ComputeMagnificationArea(size);
    ScreenView view;
    view.pictures = GetModuleHandleW(nullptr);
    view.frame = 1000;
    for (int scale : {1, 5, 10}) {
        SCOPED_TRACE(scale);
        view.scale = scale;
        // A slide: no button, so the caption names the magnification.
        view.scaleFrame = false;
        view.runCaption = false;
        Canvas plain = PaintCanvas(PaintFormation, IDB_FORMATION_BACKGROUND, size, view);
        view.runCaption = true;
        Canvas slide = PaintCanvas(PaintFormation, IDB_FORMATION_BACKGROUND, size, view);
        EXPECT_GT(CountCaptionInk(slide, run), 0);
        EXPECT_EQ(CountCaptionInk(slide, magnification) > 0, scale != 1);
        EXPECT_EQ(CountChangesOutside(plain, slide, {run, magnification}), 0);
        // The program's frame around the button names it there.
        view.scaleFrame = true;
        Canvas program = PaintCanvas(PaintFormation, IDB_FORMATION_BACKGROUND, size, view);
        EXPECT_EQ(CountCaptionInk(program, magnification), 0);
        for (Canvas* canvas : {&plain, &slide, &program}) DestroyCanvas(*canvas);
    }
    // Nothing else reaches the magnification's area through a run, at
    // either end of the viscosities and the strongest nonlinearity.
    view.runCaption = false;
    view.scale = 10;
    for (double viscosity : {0.0005, 0.004}) {
        SolveBurgers(0.4, viscosity);
        RebuildTermFields();
        for (int frame : {0, 200, 1996}) {
            SCOPED_TRACE(frame);
            view.frame = frame;
            Canvas plain = PaintCanvas(PaintFormation, IDB_FORMATION_BACKGROUND, size, view);
            EXPECT_TRUE(IsWhite(plain, magnification)) << viscosity;
            DestroyCanvas(plain);
        }
    }
    // Wave propagation: its caption below the lowest stages.
    SolveBurgers(kPropagationNonlinearity, kPropagationViscosity);
    const RECT stages = ComputePropagationCaptionArea(size);
    view.runCaption = false;
    Canvas plain = PaintCanvas(PaintPropagation, IDB_PROPAGATION_HEADER, size, view);
    view.runCaption = true;
    Canvas captioned = PaintCanvas(PaintPropagation, IDB_PROPAGATION_HEADER, size, view);
    EXPECT_TRUE(IsWhite(plain, stages));
    EXPECT_GT(CountCaptionInk(captioned, stages), 0);
    EXPECT_EQ(CountChangesOutside(plain, captioned, {stages}), 0);
    DestroyCanvas(plain);
    DestroyCanvas(captioned);
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

}  // namespace
