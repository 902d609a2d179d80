#include "plots.h"

#include "formation_background.h"
#include "panel_layout.h"
#include "plot_pens.h"
#include "run_caption_painting.h"
#include "wave_model.h"

#include <cmath>

namespace {

// pi to ten decimals, not kPi: the first abscissa of every curve.
constexpr double kFirstAbscissa = -3.1415926535;
constexpr double kHorizontalFactor = 0.25;
constexpr double kWaveFactor = 0.125;
constexpr double kDiffusionDivisor = 45.0;
constexpr int kDiffusionPoints = 450;
constexpr int kMainCurvePoints = 480;
constexpr int kSpeedTailPoints = 30;
constexpr int kProfileTailPoints = 10;
constexpr int kCoordinateLimit = 1 << 27;
// At 96 DPI: how far the horizontal axes end short of the right edge, and
// the length of an arrowhead's strokes along and across its axis.
constexpr int kAxisEndOffset = 40;
constexpr int kArrowLength = 10;

// The size painted on, which column at which magnification, and the DPI
// that scales the fixed sizes.
struct Panel {
    int width;
    int height;
    int frame;
    int scale;
    int dpi;
};

void DrawStroke(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

int PixelColumn(const Panel& p, double abscissa) {
    const int w = p.width;
    return TruncateCoordinate(w + (w * abscissa) * kHorizontalFactor + w / 24 - w / 200 + w / 5);
}

int ProfileY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((h / 7 - (h * v) * kWaveFactor) + h / 10);
}

int MirroredProfileY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate(((h * v) * kWaveFactor + h / 7) + h / 10);
}

int SpeedY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((h / 2 - (h * v) * kWaveFactor) + h / 20);
}

int MirroredSpeedY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate(((h * v) * kWaveFactor + h / 2) + h / 20);
}

int DiffusionY(const Panel& p, double v) {
    const int h = p.height;
    return TruncateCoordinate((6 * h) / 7 - ((h * v) * p.scale) / kDiffusionDivisor);
}

// One curve through g_plotPoints: `count` rows of column p.frame of
// `field`, each row `step` further along the abscissa.
void DrawCurve(HDC dc, const Panel& p, Grid field, int count, double step,
               int (*rowY)(const Panel&, double), int pinnedPoints) {
    if (field == nullptr) {
        return;
    }
    double abscissa = kFirstAbscissa;
    for (int row = 0; row < count; ++row) {
        g_plotPoints[row].x = PixelColumn(p, abscissa);
        g_plotPoints[row].y = rowY(p, field[row][p.frame]);
        abscissa += step;
    }
    // The diffusion curve starts on its axis whatever its first rows hold.
    for (int row = 0; row < pinnedPoints; ++row) {
        g_plotPoints[row].y = (6 * p.height) / 7;
    }
    Polyline(dc, g_plotPoints, count);
}

void DrawHorizontalAxis(HDC dc, const Panel& p, const FormationMarks& marks, int y) {
    const int tip = marks.axisTip;
    const int arrow = ScaleToDpi(kArrowLength, p.dpi);
    DrawStroke(dc, marks.axisLeft, y, tip, y);
    DrawStroke(dc, tip, y, tip - arrow, y - arrow);
    DrawStroke(dc, tip, y, tip - arrow, y + arrow);
}

void DrawVerticalAxis(HDC dc, const Panel& p, int x, int tip, int foot) {
    const int arrow = ScaleToDpi(kArrowLength, p.dpi);
    DrawStroke(dc, x, tip, x, foot);
    DrawStroke(dc, x, tip, x + arrow, tip + arrow);
    DrawStroke(dc, x, tip, x - arrow, tip + arrow);
}

// Around the magnification button of `scale`, where the panel's layout
// puts it.
void DrawScaleFrame(HDC dc, const Panel& p) {
    RECT frame;
    if (!ComputeScaleFrame(SIZE{p.width, p.height}, p.dpi, p.scale, frame)) {
        return;
    }
    DrawStroke(dc, frame.left, frame.top, frame.left, frame.bottom);
    DrawStroke(dc, frame.left, frame.bottom, frame.right, frame.bottom);
    DrawStroke(dc, frame.right, frame.bottom, frame.right, frame.top);
    DrawStroke(dc, frame.right, frame.top, frame.left, frame.top);
}

}  // namespace

FormationMarks ComputeFormationMarks(SIZE size, int dpi) {
    const int w = size.cx;
    const int h = size.cy;
    FormationMarks marks;
    marks.axisLeft = w / 2 - w / 14;
    marks.axisTip = w - ScaleToDpi(kAxisEndOffset, dpi);
    marks.verticalAxis = (2 * w) / 3 - w / 100 + w / 24;
    marks.profileAxis = h / 10 + h / 7;
    marks.speedAxis = (4 * h) / 7 + h / 20;
    marks.diffusionAxis = (6 * h) / 7;
    marks.levelLine = h / 2 + h / 20;
    marks.profileTip = h / 10;
    marks.speedTip = (3 * h) / 7;
    marks.diffusionTip = (5 * h) / 7;
    return marks;
}

int TruncateCoordinate(double value) {
    if (!(value > -kCoordinateLimit)) {
        return std::isnan(value) ? 0 : -kCoordinateLimit;
    }
    if (value > kCoordinateLimit) {
        return kCoordinateLimit;
    }
    return static_cast<int>(value);
}

void PaintFormation(HDC dc, SIZE size, int background, const ScreenView& view) {
    const Panel p{size.cx, size.cy, view.frame, view.scale, view.dpi};
    const int h = p.height;
    const FormationMarks marks = ComputeFormationMarks(size, p.dpi);
    DrawFormationBackground(dc, size, marks, view.pictures, background);

    // The widths the plot has always used, at the screen's DPI, or the
    // projector mode's.
    const int line = view.lineWidth;
    const int curve = view.curveWidth;
    const int thin = ScaleToDpi(1, p.dpi);
    const int thick = ScaleToDpi(2, p.dpi);
    const HGDIOBJ own = GetCurrentObject(dc, OBJ_PEN);
    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thin, line, kPlotBlack));
    DrawHorizontalAxis(dc, p, marks, marks.profileAxis);
    DrawHorizontalAxis(dc, p, marks, marks.diffusionAxis);
    DrawHorizontalAxis(dc, p, marks, marks.speedAxis);

    SwitchPen(dc, own, CreatePlotPen(PS_DASH, thin, line, kPlotRed));
    DrawStroke(dc, marks.axisLeft, marks.levelLine, marks.axisTip, marks.levelLine);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thin, line, kPlotBlack));
    const int axisX = marks.verticalAxis;
    DrawVerticalAxis(dc, p, axisX, marks.profileTip, (2 * h) / 7 + h / 10);
    DrawVerticalAxis(dc, p, axisX, marks.speedTip, (4 * h) / 7 + h / 10);
    DrawVerticalAxis(dc, p, axisX, marks.diffusionTip, h - h / 40);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thick, line, kPlotBlue));
    if (view.scaleFrame) {
        DrawScaleFrame(dc, p);
    }
    // The frame and the curve share a pen unless the projector mode's widths differ.
    if (curve != line) {
        SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thick, curve, kPlotBlue));
    }
    DrawCurve(dc, p, g_diffusionTerm, kDiffusionPoints, kPlotStep, DiffusionY, 2);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thick, curve, kPlotRed));
    DrawCurve(dc, p, g_nonlinearTerm, kMainCurvePoints, kPlotStep, SpeedY, 0);
    // The odd continuation left of row 0, where the profile has its zero.
    DrawCurve(dc, p, g_nonlinearTerm, kSpeedTailPoints, -kPlotStep, MirroredSpeedY, 0);

    SwitchPen(dc, own, CreatePlotPen(PS_SOLID, thick, curve, kPlotBlack));
    DrawCurve(dc, p, g_field, kMainCurvePoints, kPlotStep, ProfileY, 0);
    DrawCurve(dc, p, g_field, kProfileTailPoints, -kPlotStep, MirroredProfileY, 0);

    RestorePen(dc, own);
    if (view.runCaption) {
        DrawRunCaption(dc, size, view);
    }
}
